#include <string>

#include "dialogs/common/value_list_dlg.h"
#include "dialogs/common/value_lists.h"
#include "fixture.h"

namespace tqtest {

class ValueListTest : public Headless {
 protected:
  // Opens the chooser on list n and lets the script act; returns the result
  // ("<cancel>" when cancelled).
  std::string Choose(int n, plat::DialogScript script) {
    backend.Expect(std::move(script));
    tq::CValueListDlg dlg(nullptr);
    dlg.m_nList = n;
    return dlg.DoModal() == plat::IDOK ? dlg.m_strResult : "<cancel>";
  }
  std::string Pick(int n, const std::string& entry) {
    return Choose(n, [&](plat::HeadlessDialog& d) {
      d.SelectText(tq::IDC_VL_LIST, entry);
      d.Ok();
    });
  }
};

TEST_F(ValueListTest, ValuesAreCutAtTheFirstBlankOrTheLastForPositions) {
  EXPECT_EQ(Pick(106, "ja (日本語)"), "ja");
  EXPECT_EQ(Pick(111, "left top"), "left top");
  EXPECT_EQ(Pick(109, "repeat-x"), "repeat-x");
  EXPECT_EQ(Pick(114, "100"), "100");
  EXPECT_EQ(Pick(134, "aural "), "aural");
  EXPECT_EQ(Pick(108, "Teal ()"), "Teal");
  EXPECT_EQ(Pick(135, "keywords"), "keywords");
}

// Lists 100 to 135 all exist; the dialogs' tests pick from the ones they use.
TEST_F(ValueListTest, EveryListOpensWithATitleEntriesAndNoSelection) {
  for (int n = 100; n <= 135; ++n) {
    Choose(n, [n](plat::HeadlessDialog& d) {
      EXPECT_FALSE(d.GetTitle().empty()) << n;
      EXPECT_FALSE(d.ListItems(tq::IDC_VL_LIST).empty()) << n;
      EXPECT_EQ(d.ListCurSel(tq::IDC_VL_LIST), -1) << n;
      d.Cancel();
    });
  }
}

TEST_F(ValueListTest, UnknownListNoSelectionCancelAndDoubleClick) {
  std::string title;
  EXPECT_EQ(Choose(0, [&](plat::HeadlessDialog& d) {
              title = d.GetTitle();
              EXPECT_TRUE(d.ListItems(tq::IDC_VL_LIST).empty());
              d.Ok();
            }),
            "");
  EXPECT_EQ(title, "ダイアログ");
  EXPECT_EQ(Choose(99999, [](plat::HeadlessDialog& d) { d.Ok(); }), "");
  EXPECT_EQ(Choose(106, [](plat::HeadlessDialog& d) { d.Ok(); }), "");  // OK with nothing selected
  EXPECT_EQ(Choose(106, [](plat::HeadlessDialog& d) {
              d.Select(tq::IDC_VL_LIST, 3);
              d.Cancel();
            }),
            "<cancel>");
  EXPECT_EQ(Choose(122, [](plat::HeadlessDialog& d) { d.DoubleClick(tq::IDC_VL_LIST, 4); }), "i");
}

}  // namespace tqtest
