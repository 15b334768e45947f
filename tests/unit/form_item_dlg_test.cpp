#include <string>

#include "dialogs/form/form_item_dlg.h"
#include "dialogs/form/input_dlg.h"
#include "dialogs/form/text_area_dlg.h"
#include "fixture.h"

namespace tqtest {

using namespace tq;
using FormItemDlg = Headless;

const int kAllBoxes[] = {IDC_FI_LABEL_CHK,    IDC_FI_FOR_CHK,      IDC_FI_VALUE_CHK, IDC_FI_ACCESSKEY_CHK,
                         IDC_FI_DISABLED_CHK, IDC_FI_SELECTED_CHK, IDC_FI_ALIGN_CHK, IDC_FI_FOCUS_CHK,
                         IDC_FI_BLUR_CHK,     IDC_FI_ATTR_CHK};

TEST_F(FormItemDlg, EachElementOffersOnlyItsOwnBoxes) {
  struct Case {
    int id;
    std::vector<int> offered;
  } cases[] = {
      {29465,
       {IDC_FI_FOR_CHK, IDC_FI_ACCESSKEY_CHK, IDC_FI_FOCUS_CHK, IDC_FI_BLUR_CHK, IDC_FI_ATTR_CHK}},
      {29468, {IDC_FI_LABEL_CHK, IDC_FI_DISABLED_CHK, IDC_FI_ATTR_CHK}},
      {29469,
       {IDC_FI_LABEL_CHK, IDC_FI_VALUE_CHK, IDC_FI_DISABLED_CHK, IDC_FI_SELECTED_CHK, IDC_FI_ATTR_CHK}},
      {29471, {IDC_FI_ACCESSKEY_CHK, IDC_FI_ALIGN_CHK, IDC_FI_ATTR_CHK}},
  };
  for (const Case& c : cases) {
    std::vector<int> enabled;
    RunWith(c.id, "abc", [&](D& d) {
      for (int b : kAllBoxes)
        if (d.IsEnabled(b)) enabled.push_back(b);
      d.Ok();
    });
    EXPECT_EQ(enabled, c.offered) << c.id;
  }
  EXPECT_EQ(backend.opened, (std::vector<std::string>{"<LABEL>の設定", "<OPTGROUP>の設定", "<OPTION>の設定",
                                                      "<LEGEND>の設定"}));
}

TEST_F(FormItemDlg, EveryAttributeInOrderWhenOffered) {
  // LABEL offers the events; its boxes keep bit order around the others'.
  std::string r = RunWith(29465, "L", [](D& d) {
    for (int b : kAllBoxes) d.Click(b);  // withdrawn boxes take no click
    Fill(d, {{IDC_FI_FOR, "f"}, {IDC_FI_ACCESSKEY, "k"}, {IDC_FI_FOCUS, "f()"}, {IDC_FI_BLUR, "b()"},
             {IDC_FI_ATTR, "ID=\"i\"\r\n CLASS=\"c\"\r\n\r\n"}});
    d.Ok();
  });
  EXPECT_EQ(r, "<LABEL FOR=\"f\" ACCESSKEY=\"k\" onFocus=\"f()\" onBlur=\"b()\" ID=\"i\"  CLASS=\"c\">L</LABEL>");
  EXPECT_EQ(Int("FMM_465Flag"), 0x38A);
  EXPECT_EQ(Str("FMM_465Attr"), "ID=\"i\"\r\n CLASS=\"c\"\r\n\r\n");
  EXPECT_EQ(Str("FMM_465OnBlur"), "b()");

  r = RunWith(29468, "O", [](D& d) {
    for (int b : kAllBoxes) d.Click(b);
    d.Type(IDC_FI_LABEL, "g");
    d.Ok();
  });
  EXPECT_EQ(r, "<OPTGROUP LABEL=\"g\" DISABLED >O</OPTGROUP>");
  EXPECT_EQ(Int("FMM_468Flag"), 0x211);
}

TEST_F(FormItemDlg, EachBoxGovernsOnlyItsOwnControls) {
  profile->WriteInt("HTML", "FMM_465Flag", 0x180);
  RunWith(29465, "", [](D& d) {
    d.Click(IDC_FI_FOCUS_CHK);
    EXPECT_FALSE(d.IsEnabled(IDC_FI_FOCUS) || d.IsEnabled(IDC_FI_FOCUS_BROWSE));
    EXPECT_TRUE(d.IsEnabled(IDC_FI_BLUR) && d.IsEnabled(IDC_FI_BLUR_BROWSE));
    d.Cancel();
  });
}

// The form dialogs nest their results: options into groups into a list,
// a legend and labelled controls into a field set.
TEST_F(FormItemDlg, NestedFormElementsAreValid) {
  auto option = [&](const char* value, bool selected) {
    profile->WriteInt("HTML", "FMM_469Flag", 0);
    return RunWith(29469, std::string("Item ") + value, [&](D& d) {
      Tick(d, IDC_FI_VALUE_CHK, IDC_FI_VALUE, value);
      if (selected) d.Click(IDC_FI_SELECTED_CHK);
      d.Ok();
    });
  };
  std::string group = RunWith(29468, option("1", false) + option("2", true), [](D& d) {
    Tick(d, IDC_FI_LABEL_CHK, IDC_FI_LABEL, "Numbers");
    d.Ok();
  });
  std::string list = RunWith(29467, group + option("3", false), [](D& d) {
    Tick(d, IDC_TA_NAME_CHK, IDC_TA_NAME, "n");
    d.Click(IDC_TA_MULTIPLE_CHK);
    d.Ok();
  });
  std::string legend = RunWith(29471, "Who", [](D& d) {
    Tick(d, IDC_FI_ALIGN_CHK, IDC_FI_ALIGN, "top");
    d.Ok();
  });
  std::string field = RunWith(29466, "", [](D& d) {
    Tick(d, IDC_IN_ATTR_CHK, IDC_IN_ATTR, "ID=\"who\"");
    d.Type(IDC_IN_NAME, "who");
    d.Ok();
  });
  std::string label = RunWith(29465, "Name", [](D& d) {
    Tick(d, IDC_FI_FOR_CHK, IDC_FI_FOR, "who");
    Tick(d, IDC_FI_ACCESSKEY_CHK, IDC_FI_ACCESSKEY, "n");
    Tick(d, IDC_FI_FOCUS_CHK, IDC_FI_FOCUS, "hint()");
    Tick(d, IDC_FI_ATTR_CHK, IDC_FI_ATTR, "CLASS=\"l\"");
    d.Ok();
  });
  EXPECT_TRUE(ValidHtml("<FORM ACTION=\"x.cgi\"><FIELDSET>" + legend + label + field + list +
                        "</FIELDSET></FORM>"));
  EXPECT_NE(list.find("<OPTGROUP LABEL=\"Numbers\"><OPTION VALUE=\"1\">"), std::string::npos);
}

}  // namespace tqtest
