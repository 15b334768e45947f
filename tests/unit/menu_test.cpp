#include <set>
#include <string>
#include <vector>

#include "app/menu.h"
#include "res/string_table.h"
#include "fixture.h"

namespace tqtest {

class Menu : public Headless {
 protected:
  using Item = plat::MenuItem;
  std::vector<Item> Build(int appNumber, bool withHost, bool answers) {
    static int hostWindow;
    tq::SetAppInfo(appNumber, withHost ? &hostWindow : nullptr, 0);
    if (answers)
      backend.onSend = [](const plat::PostedMessage& m) {
        tq::SetStringToTagquill(("\tK" + std::to_string(m.wp)).c_str());
        return 0L;
      };
    bar = backend.CreatePopupMenu();
    tq::MakeHtmlMenu(bar);
    return backend.Menu(bar);
  }
  std::vector<Item>& Sub(const Item& popup) {
    return backend.Menu(reinterpret_cast<plat::MenuHandle>(popup.idOrPopup));
  }
  plat::MenuHandle bar = nullptr;
};

TEST_F(Menu, SixteenPopupsSeparatorsAndTheFourItemsAtTheEnd) {
  auto items = Build(2, false, false);
  std::vector<std::string> shape;
  for (const Item& it : items)
    shape.push_back(it.flags & plat::Backend::MF_SEPARATOR_ ? "-" : it.flags & plat::Backend::MF_POPUP_ ? "P" : std::to_string(it.idOrPopup));
  EXPECT_EQ(shape, (std::vector<std::string>{"P", "P", "P", "P", "-", "P", "P", "P", "P", "P", "P", "-", "P", "P",
                                              "P", "P", "P", "P", "-", "29399", "29398", "-", "29001", "29002"}));
  EXPECT_EQ(items[0].text, "新規HTML(&N)");
  EXPECT_EQ(items[17].text, "フォーム(&M)");
  EXPECT_EQ(items[19].text, "コメントアウト(&O)");
  EXPECT_EQ(items[23].text, "ツールボックスの設定(&W)");
  EXPECT_TRUE(backend.sent.empty());  // app number 2: the host is not asked
}

TEST_F(Menu, SimpleFormsAboveTheSeparatorDetailFormsBelow) {
  auto items = Build(1, false, false);
  std::vector<uintptr_t> ids;
  for (const Item& it : Sub(items[3])) ids.push_back(it.flags & plat::Backend::MF_SEPARATOR_ ? 0 : it.idOrPopup);
  EXPECT_EQ(ids, (std::vector<uintptr_t>{29065, 29066, 29360, 0, 29165, 29166, 29460}));
  ids.clear();
  for (const Item& it : Sub(items[13])) ids.push_back(it.flags & plat::Backend::MF_SEPARATOR_ ? 0 : it.idOrPopup);
  EXPECT_EQ(ids.size(), 17u);  // 29050..29052, 29058..29060 | 29151..29160
  EXPECT_EQ(ids[6], 0u);
  EXPECT_EQ(Sub(items[10]).size(), 9u);  // the inline elements, detail form only
  EXPECT_EQ(Sub(items[5]).front().text, tq::TagCaption(29021));
  EXPECT_TRUE(backend.sent.empty());  // no host window: nothing sent
}

TEST_F(Menu, HostKeyTextsAppendedExceptToTheToolBoxItems) {
  auto items = Build(1, true, true);
  int asked = 0;
  for (const Item& it : items) {
    if (!(it.flags & plat::Backend::MF_POPUP_)) continue;
    for (const Item& sub : Sub(it)) {
      if (sub.flags & plat::Backend::MF_SEPARATOR_) continue;
      ++asked;
      EXPECT_EQ(sub.text, tq::TagCaption(static_cast<int>(sub.idOrPopup)) + "\tK" + std::to_string(sub.idOrPopup));
    }
  }
  EXPECT_EQ(items[19].text, "コメントアウト(&O)\tK29399");
  EXPECT_EQ(items[20].text, "CSS内コメントアウト(&U)\tK29398");
  EXPECT_EQ(items[22].text, "ツールボックス表示(&X)");
  EXPECT_EQ(items[23].text, "ツールボックスの設定(&W)");
  EXPECT_EQ(static_cast<int>(backend.sent.size()), asked + 2);
  for (const auto& m : backend.sent) EXPECT_EQ(m.msg, tq::kMsgAskKeyText);
}

TEST_F(Menu, SilentHostGetsTheLastHandedInTextEverywhere) {
  tq::SetStringToTagquill("\tOld");
  auto items = Build(1, true, false);
  for (const Item& sub : Sub(items[5])) {
    if (!(sub.flags & plat::Backend::MF_SEPARATOR_)) {
      EXPECT_EQ(sub.text.substr(sub.text.size() - 4), "\tOld");
    }
  }
}

TEST_F(Menu, SecondCallAppendsASecondSet) {
  Build(2, false, false);
  tq::MakeHtmlMenu(bar);
  EXPECT_EQ(backend.Menu(bar).size(), 48u);
  tq::MakeHtmlMenu(nullptr);  // a host without a menu gets nothing appended
  EXPECT_EQ(backend.Menu(bar).size(), 48u);
}

}  // namespace tqtest
