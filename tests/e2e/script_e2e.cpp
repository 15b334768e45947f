// The SCRIPT command through the DLL's real dialog, and the events and
// font style dialogs (with the system font dialog) run in-process on the
// Win32 backend, each driven as a user would.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/html_app.h"
#include "dialogs/common/event_dlg.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/script_dlg.h"
#include "dialogs/style/style_font_dlg.h"
#include "tests/e2e/driver.h"
#include "tests/e2e/e2e.h"
#include "platform/win32/win32_api.h"

namespace e2e {
namespace {

const char kKey[] = "Software\\Brambleware\\Tagquill\\HTML";

// Selects a list box entry and tells the dialog, as a click would.
void SelectEntry(HWND dialog, int id, int index) {
  HWND list = GetDlgItem(dialog, id);
  ASSERT_NE(list, nullptr);
  SendMessageA(list, LB_SETCURSEL, index, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// Picks the first entry of a combo box of a common dialog.
std::string PickFirst(HWND dialog, int id) {
  HWND combo = GetDlgItem(dialog, id);
  if (!combo || SendMessageA(combo, CB_GETCOUNT, 0, 0) <= 0) return {};
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  char text[256] = {};
  SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

class ScriptAndGroupDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    host_.reset(tqhost::HostWindow::Create(Dll(), tqhost::HostOptions()));
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override {
    host_.reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
  }
  std::string Setting(const char* name) { return HtmlApp().GetProfileString("HTML", name, "<absent>"); }

  std::unique_ptr<tqhost::HostWindow> host_;
};

TEST_F(ScriptAndGroupDialogs, ScriptCommandThroughTheRealDialog) {
  host_->SetText("f();");
  host_->Select(0, -1);
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<SCRIPT>の設定");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, tq::IDC_SC_CHARSET_LIST)));
        Click(d, tq::IDC_SC_LANG_CHK);
        Click(d, tq::IDC_SC_CHARSET_CHK);
        Click(d, tq::IDC_SC_DEFER_CHK);
      })
      .Then([](HWND d) {
        SetDlgItemTextA(d, tq::IDC_SC_TYPE, "text/javascript");
        SetDlgItemTextA(d, tq::IDC_SC_LANG, "JavaScript");
        Click(d, tq::IDC_SC_CHARSET_LIST);
      })
      .Then([](HWND list) {  // the value-list chooser, list 129
        EXPECT_EQ(WindowTextA(list), "文字コードセット");
        SelectEntry(list, tq::IDC_VL_LIST, 1);  // "shift-jis (日本語シフトJISコード)"
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_SC_CHARSET), "shift-jis");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29170);
  EXPECT_EQ(host_->Text(),
            "<SCRIPT TYPE=\"text/javascript\" LANGUAGE=\"JavaScript\" CHARSET=\"shift-jis\" DEFER>f();</SCRIPT>");
  EXPECT_EQ(Setting("SCRIPT_170Charset"), "shift-jis");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "SCRIPT_170Flag", -1), 0x17);
}

TEST_F(ScriptAndGroupDialogs, EventAddedInTheRealEventsDialog) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "Eventsの設定");
        EXPECT_EQ(SendDlgItemMessageA(d, tq::IDC_EV_LIST, LB_GETCOUNT, 0, 0), 18);
        SelectEntry(d, tq::IDC_EV_LIST, 2);  // onClick
        SetDlgItemTextA(d, tq::IDC_EV_SCRIPT, "a()");
        Click(d, tq::IDC_EV_ADD);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_EV_EVENT), "onClick");
        SetDlgItemTextA(d, tq::IDC_EV_EVENT, "");
        Click(d, tq::IDC_EV_ADD);
      })
      .Then([](HWND box) {  // refused: no event
        EXPECT_EQ(MessageBoxText(box), "イベントが指定されていません。");
        Click(box, plat::IDOK);
      })
      .Then([](HWND d) {
        SelectEntry(d, tq::IDC_EV_LIST, 0);  // onLoad
        SetDlgItemTextA(d, tq::IDC_EV_SCRIPT, "b()");
        Click(d, tq::IDC_EV_ADD);
      })
      .Then([](HWND d) { Click(d, plat::IDOK); });
  tq::CEventDlg dlg(host_->hwnd());
  dlg.Init(29121);
  ASSERT_EQ(dlg.DoModal(), plat::IDOK);
  EXPECT_EQ(dlg.m_strResult, "onClick = \"a()\"\r\nonLoad = \"b()\"");
  EXPECT_EQ(Setting("Evnt_121Evnts"), dlg.m_strResult);
}

TEST_F(ScriptAndGroupDialogs, FontPickedInTheRealFontDialog) {
  std::string face, shown;
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), " STYLE : フォントの設定 <H1>");
        Click(d, tq::IDC_FN_FAMILY_CHK);
        Click(d, tq::IDC_FN_WEIGHT_CHK);
        Click(d, tq::IDC_FN_SIZE_CHK);
        Click(d, tq::IDC_FN_PX);
      })
      .Then([](HWND d) {
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, tq::IDC_FN_SIZE)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, tq::IDC_FN_SIZEKW)));
        SetDlgItemTextA(d, tq::IDC_FN_WEIGHT, "bold");
        SetDlgItemTextA(d, tq::IDC_FN_SIZE, "12");
        Click(d, tq::IDC_FN_FAMILY_BROWSE);
      })
      .Then([&](HWND font) {  // the system font dialog: face, style, size
        face = PickFirst(font, 0x470);
        EXPECT_FALSE(face.empty()) << "the font dialog lists no face";
        PickFirst(font, 0x471);
        PickFirst(font, 0x472);
        Click(font, plat::IDOK);
      })
      .Then([&](HWND d) {
        shown = ItemText(d, tq::IDC_FN_FAMILY);
        Click(d, plat::IDOK);
      });
  tq::CStyleFontDlg dlg(host_->hwnd());
  dlg.Init(29121, "");
  ASSERT_EQ(dlg.DoModal(), plat::IDOK);
  EXPECT_EQ(shown, "'" + face + "'");
  EXPECT_EQ(dlg.m_strResult, "font-family:'" + face + "';\r\nfont-weight:bold;\r\nfont-size:12px;");
  EXPECT_EQ(HtmlApp().GetProfileInt("HTML", "StlFnt_121Flag", -1), 0x59);
}

}  // namespace
}  // namespace e2e
