// The SCRIPT command through the DLL's real dialog, and the events and
// font style dialogs run in-process on the Win32 backend, the font dialog
// with the system font dialog, cancelled and then confirmed; each driven
// as a user would.
#include "dialogs/common/event_dlg.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/document/script_dlg.h"
#include "dialogs/style/style_font_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using ScriptAndGroupDialogs = HostTest;

TEST_F(ScriptAndGroupDialogs, ScriptCommandThroughTheRealDialog) {
  Select("f();");
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "<SCRIPT>の設定");
        EXPECT_FALSE(Enabled(d, tq::IDC_SC_CHARSET_LIST));
        Click(d, tq::IDC_SC_LANG_CHK);
        Click(d, tq::IDC_SC_CHARSET_CHK);
        Click(d, tq::IDC_SC_DEFER_CHK);
      })
      .Then([](HWND d) {
        Type(d, tq::IDC_SC_TYPE, "text/javascript");
        Type(d, tq::IDC_SC_LANG, "JavaScript");
        Click(d, tq::IDC_SC_CHARSET_LIST);
      })
      .Then([](HWND list) {  // the value-list chooser, list 129
        EXPECT_EQ(WindowTextA(list), "文字コードセット");
        SelectListEntry(list, tq::IDC_VL_LIST, 1);  // "shift-jis (日本語シフトJISコード)"
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
  EXPECT_EQ(SettingInt("SCRIPT_170Flag"), 0x17);
}

TEST_F(ScriptAndGroupDialogs, EventAddedInTheRealEventsDialog) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "Eventsの設定");
        EXPECT_EQ(ListCount(d, tq::IDC_EV_LIST), 18);
        SelectListEntry(d, tq::IDC_EV_LIST, 2);  // onClick
        Type(d, tq::IDC_EV_SCRIPT, "a()");
        Click(d, tq::IDC_EV_ADD);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_EV_EVENT), "onClick");
        Type(d, tq::IDC_EV_EVENT, "");
        Click(d, tq::IDC_EV_ADD);
      })
      .Then([](HWND box) {  // refused: no event
        EXPECT_EQ(MessageBoxText(box), "イベントが指定されていません。");
        Click(box, plat::IDOK);
      })
      .Then([](HWND d) {
        SelectListEntry(d, tq::IDC_EV_LIST, 0);  // onLoad
        Type(d, tq::IDC_EV_SCRIPT, "b()");
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
  std::string face;
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
        EXPECT_TRUE(Enabled(d, tq::IDC_FN_SIZE));
        EXPECT_FALSE(Enabled(d, tq::IDC_FN_SIZEKW));
        Type(d, tq::IDC_FN_WEIGHT, "bold");
        Type(d, tq::IDC_FN_SIZE, "12");
        Click(d, tq::IDC_FN_FAMILY_BROWSE);
      })
      .Then([](HWND font) { Click(font, plat::IDCANCEL); })  // chooses nothing
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_FN_FAMILY), "");
        Click(d, tq::IDC_FN_FAMILY_BROWSE);
      })
      .Then([&](HWND font) {  // the system font dialog: face, style, size
        face = SelectFirstComboEntry(font, cmb1);
        EXPECT_FALSE(face.empty()) << "the font dialog lists no face";
        SelectFirstComboEntry(font, cmb2);
        SelectFirstComboEntry(font, cmb3);
        Click(font, plat::IDOK);
      })
      .Then([&](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_FN_FAMILY), "'" + face + "'");
        Click(d, plat::IDOK);
      });
  tq::CStyleFontDlg dlg(host_->hwnd());
  dlg.Init(29121, "");
  ASSERT_EQ(dlg.DoModal(), plat::IDOK);
  EXPECT_EQ(dlg.m_strResult, "font-family:'" + face + "';\r\nfont-weight:bold;\r\nfont-size:12px;");
  EXPECT_EQ(SettingInt("StlFnt_121Flag"), 0x59);
}

}  // namespace
}  // namespace e2e
