// The style builder through the DLL's real dialogs, each confirmed as a
// user would: the style rule dialog with the composer it opens for the
// selector's element and the font and border group dialogs inside it; the
// margin/padding and element layout group dialogs behind H1's basic
// dialog; and the list style dialog on the Win32 backend. Screenshots of
// each.
#include "app/html_app.h"
#include "dialogs/common/basic_dlg.h"
#include "dialogs/common/value_list_dlg.h"
#include "dialogs/style/list_style_dlg.h"
#include "dialogs/style/style_border_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "dialogs/style/style_element_dlg.h"
#include "dialogs/style/style_font_dlg.h"
#include "dialogs/style/style_margin_dlg.h"
#include "dialogs/style/style_rule_dlg.h"
#include "tests/e2e/e2e.h"

namespace e2e {
namespace {

using StyleE2e = HostTest;

TEST_F(StyleE2e, RuleComposedThroughComposerAndFontDialog) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "STYLEの設定");
        EXPECT_EQ(GetFocus(), GetDlgItem(d, tq::IDC_SR_SELECTOR));
        EXPECT_EQ(ListCount(d, tq::IDC_SR_LIST), 61);
        SelectListEntry(d, tq::IDC_SR_LIST, "TD ");
        EXPECT_EQ(ItemText(d, tq::IDC_SR_SELECTOR), "TD");
        Click(d, tq::IDC_SR_CHANGE);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(WindowTextA(composer), "スタイルの設定 <TD>");
        EXPECT_FALSE(Enabled(composer, tq::IDC_SY_FONT_CHANGE));
        Click(composer, tq::IDC_SY_FONT_CHK);
        Click(composer, tq::IDC_SY_ELEMENT_CHK);
        Click(composer, tq::IDC_SY_FONT_CHANGE);
      })
      .Then([](HWND font) {
        EXPECT_EQ(WindowTextA(font), " STYLE : フォントの設定 <TD>");
        Click(font, tq::IDC_FN_WEIGHT_CHK);
      })
      .Then([](HWND font) {
        Type(font, tq::IDC_FN_WEIGHT, "bold");
        Click(font, plat::IDOK);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(ItemText(composer, tq::IDC_SY_FONT), "font-weight:bold;");
        Type(composer, tq::IDC_SY_ELEMENT, "float:left;\r\nclear:both;");
        Screenshot(composer, "style-composer.bmp");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_SR_STYLE), "font-weight:bold;\r\nfloat:left; clear:both;");
        Screenshot(d, "style-rule-dialog.bmp");
        Click(d, plat::IDOK);
      });
  host_->RunTagCommand(29115);
  EXPECT_EQ(host_->Text(), "TD  { font-weight:bold; float:left; clear:both; }\r\nabc");
  EXPECT_EQ(Setting("SylCss_Selecta"), "TD");
  EXPECT_EQ(Setting("Syl_160Element"), "float:left;\r\nclear:both;");
  EXPECT_EQ(SettingInt("Syl_160Flag"), 0x88);
  EXPECT_EQ(Setting("StlFnt_160Weight"), "bold");
}

TEST_F(StyleE2e, EmptySelectorRefusedThenCancelKeepsTheSelection) {
  Select("keep");
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        Type(d, tq::IDC_SR_SELECTOR, "  ");
        Click(d, tq::IDC_SR_CHANGE);
      })
      .Then([](HWND box) {
        EXPECT_EQ(WindowTextA(box), "スタイル変更");
        EXPECT_EQ(MessageBoxText(box), "セレクタ（要素）を指定してから実行してください");
        Click(box, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "STYLEの設定");
        Click(d, plat::IDCANCEL);
      });
  host_->RunTagCommand(29115);
  EXPECT_EQ(host_->Text(), "keep");
  EXPECT_EQ(Setting("SylCss_Selecta"), "<absent>");
}

// The style rule command -> composer -> border, its edge dialog with the
// colour chooser and the colour dialog.
TEST_F(StyleE2e, BorderWithItsEdgeDialogThroughTheComposer) {
  HtmlApp().WriteProfileInt("HTML", "EBD_160Color", 0x0000FF);  // COLORREF red
  DialogDriver driver;
  driver
      .Then([](HWND rule) {
        Type(rule, tq::IDC_SR_SELECTOR, "TD");
        Click(rule, tq::IDC_SR_CHANGE);
      })
      .Then([](HWND composer) {
        Click(composer, tq::IDC_SY_BORDER_CHK);
        Click(composer, tq::IDC_SY_BORDER_CHANGE);
      })
      .Then([](HWND border) {
        EXPECT_EQ(WindowTextA(border), " STYLE : 枠(Border)の設定 <TD>");
        EXPECT_FALSE(Enabled(border, tq::IDC_BD_ALL_CHANGE));
        Click(border, tq::IDC_BD_TOP_CHK);
        Click(border, tq::IDC_BD_LEFT_CHK);
        Click(border, tq::IDC_BD_TOP_CHANGE);
      })
      .Then([](HWND edge) {
        EXPECT_EQ(WindowTextA(edge), "枠(Border)の設定 <TD>");
        EXPECT_EQ(ItemText(edge, tq::IDC_EB_STYLE), "none");
        EXPECT_FALSE(Enabled(edge, tq::IDC_EB_THIN) || Enabled(edge, tq::IDC_EB_STYLE_LIST));
        Click(edge, tq::IDC_EB_WIDTH_CHK);
        Click(edge, tq::IDC_EB_BY_LENGTH);
        Click(edge, tq::IDC_EB_STYLE_CHK);
        Click(edge, tq::IDC_EB_COLOR_CHK);
      })
      .Then([](HWND edge) {
        EXPECT_TRUE(Enabled(edge, tq::IDC_EB_LENGTH) && Enabled(edge, tq::IDC_EB_PT));
        Type(edge, tq::IDC_EB_LENGTH, "2");
        SelectListEntry(edge, tq::IDC_EB_STYLE_LIST, "dashed");
        EXPECT_EQ(ItemText(edge, tq::IDC_EB_STYLE), "dashed");
        Click(edge, tq::IDC_EB_COLOR_NAME);
      })
      .Then([](HWND list) {
        EXPECT_EQ(WindowTextA(list), "色の指定");
        SelectListEntry(list, tq::IDC_VL_LIST, "Navy");
        Click(list, plat::IDOK);
      })
      .Then([](HWND edge) {
        EXPECT_EQ(ItemText(edge, tq::IDC_EB_SWATCH), "Navy");
        Screenshot(edge, "style-border-edge-name.bmp");
        Click(edge, plat::IDOK);
      })
      .Then([](HWND border) {
        EXPECT_EQ(ItemText(border, tq::IDC_BD_TOP), "2px dashed Navy");
        Click(border, tq::IDC_BD_LEFT_CHANGE);
      })
      .Then([](HWND edge) {  // the choices just confirmed for the top edge
        EXPECT_EQ(ItemText(edge, tq::IDC_EB_LENGTH), "2");
        EXPECT_TRUE(Checked(edge, tq::IDC_EB_BY_LENGTH));
        Click(edge, tq::IDC_EB_THICK);
        Click(edge, tq::IDC_EB_COLOR_PICK);
      })
      .Then([](HWND colour) { Click(colour, plat::IDOK); })  // keeps the start colour
      .Then([](HWND edge) {
        EXPECT_EQ(ItemText(edge, tq::IDC_EB_SWATCH), "");
        Screenshot(edge, "style-border-edge-colour.bmp");
        Click(edge, plat::IDOK);
      })
      .Then([](HWND border) {
        EXPECT_EQ(ItemText(border, tq::IDC_BD_LEFT), "thick dashed #FF0000");
        Screenshot(border, "style-border.bmp");
        Click(border, plat::IDOK);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(ItemText(composer, tq::IDC_SY_BORDER),
                  "border-top:2px dashed Navy;\r\nborder-left:thick dashed #FF0000;");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND rule) { Click(rule, plat::IDOK); });
  host_->RunTagCommand(29115);
  EXPECT_EQ(host_->Text(), "TD  { border-top:2px dashed Navy; border-left:thick dashed #FF0000; }\r\nabc");
  EXPECT_EQ(SettingInt("BDR_160Flag"), 0x12);
  EXPECT_EQ(SettingInt("EBD_160Flag"), 0x1 | 0x4 | 0x40 | 0x80);
  EXPECT_EQ(Setting("EBD_160Length"), "2");
  EXPECT_EQ(SettingInt("EBD_160Color"), 0xFF);
  EXPECT_EQ(Setting("EBD_160ColorName"), "");
}

// H1's basic dialog -> composer -> margin/padding (twice through the
// per-side dialog) and element layout.
TEST_F(StyleE2e, MarginAndElementLayoutThroughTheComposer) {
  DialogDriver driver;
  driver
      .Then([](HWND basic) {
        Click(basic, tq::IDC_BS_STYLE_CHK);
        Click(basic, tq::IDC_BS_STYLE_EDIT);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(WindowTextA(composer), "スタイルの設定 <H1>");
        Click(composer, tq::IDC_SY_MARGIN_CHK);
        Click(composer, tq::IDC_SY_ELEMENT_CHK);
        Click(composer, tq::IDC_SY_MARGIN_CHANGE);
      })
      .Then([](HWND margin) {
        EXPECT_EQ(WindowTextA(margin), " STYLE : Margin/Paddingの設定 <H1>");
        Click(margin, tq::IDC_MG_MTOP_CHK);
        Click(margin, tq::IDC_MG_MLEFT_CHK);
        Click(margin, tq::IDC_MG_MCHANGE);
      })
      .Then([](HWND sides) {
        EXPECT_EQ(WindowTextA(sides), "marginの設定");
        EXPECT_FALSE(Enabled(sides, tq::IDC_BV_RIGHT_AUTO) || Enabled(sides, tq::IDC_BV_BOTTOM));
        EXPECT_TRUE(Enabled(sides, tq::IDC_BV_TOP) && Enabled(sides, tq::IDC_BV_LEFT_PERCENT));
        Type(sides, tq::IDC_BV_TOP, "10");
        Type(sides, tq::IDC_BV_LEFT, "5");
        Click(sides, tq::IDC_BV_LEFT_PERCENT);
      })
      .Then([](HWND sides) {
        Screenshot(sides, "style-box-value.bmp");
        Click(sides, plat::IDOK);
      })
      .Then([](HWND margin) {
        EXPECT_EQ(ItemText(margin, tq::IDC_MG_MTOP), "10px");
        EXPECT_EQ(ItemText(margin, tq::IDC_MG_MLEFT), "5%");
        Click(margin, tq::IDC_MG_PADDING_CHK);
        Click(margin, tq::IDC_MG_PCHANGE);
      })
      .Then([](HWND sides) {
        EXPECT_EQ(WindowTextA(sides), "paddingの設定");
        Type(sides, tq::IDC_BV_RIGHT, "2");
        Click(sides, tq::IDC_BV_RIGHT_EM);
        Click(sides, plat::IDOK);
      })
      .Then([](HWND margin) {
        EXPECT_EQ(ItemText(margin, tq::IDC_MG_PADDING), "0px 2em 0px 0px");
        Screenshot(margin, "style-margin.bmp");
        Click(margin, plat::IDOK);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(ItemText(composer, tq::IDC_SY_MARGIN),
                  "margin-top:10px;\r\nmargin-left:5%;\r\npadding:0px 2em 0px 0px;");
        Click(composer, tq::IDC_SY_ELEMENT_CHANGE);
      })
      .Then([](HWND element) {
        EXPECT_EQ(WindowTextA(element), " STYLE : 要素の回り込みなどの設定 <H1>");
        EXPECT_FALSE(Enabled(element, tq::IDC_EL_W));
        Click(element, tq::IDC_EL_W_CHK);
        Click(element, tq::IDC_EL_FLOAT_CHK);
        Click(element, tq::IDC_EL_DISP_CHK);
      })
      .Then([](HWND element) {
        EXPECT_TRUE(Enabled(element, tq::IDC_EL_W) && Enabled(element, tq::IDC_EL_W_PERCENT));
        Type(element, tq::IDC_EL_W, "50");
        Click(element, tq::IDC_EL_W_PERCENT);
        Click(element, tq::IDC_EL_FLOAT_LEFT);
      })
      .Then([](HWND element) {
        Screenshot(element, "style-element.bmp");
        Click(element, plat::IDOK);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(ItemText(composer, tq::IDC_SY_ELEMENT), "width:50%;\r\nfloat:left;\r\ndisplay:block;");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND basic) { Click(basic, plat::IDOK); });
  host_->RunTagCommand(29121);
  EXPECT_EQ(host_->Text(),
            "<H1 STYLE=\"margin-top:10px; margin-left:5%; padding:0px 2em 0px 0px; "
            "width:50%; float:left; display:block;\">abc</H1>");
  EXPECT_EQ(SettingInt("SylMgn_121Flag"), 0x1 | 0x8 | 0x200);
  EXPECT_EQ(SettingInt("MV_121MFlag"), 0x400000);  // left "%"
  EXPECT_EQ(Setting("MV_121PRight"), "2");
  EXPECT_EQ(SettingInt("SylElm_121Flag"), 0x1 | 0x20 | 0x40000 | 0x80000 | 0x4000000);
  EXPECT_EQ(SettingInt("Syl_121Flag"), 0x20 | 0x80);
}

// The list style dialog run in-process on the Win32 backend, with the
// value-list chooser and the composer it opens.
TEST_F(StyleE2e, ListStyleWithChooserAndComposer) {
  DialogDriver driver;
  driver
      .Then([](HWND d) {
        EXPECT_EQ(WindowTextA(d), "リストに関する属性の設定 <OL>");
        EXPECT_EQ(ItemText(d, tq::IDC_LS_TYPE), "disc");
        EXPECT_FALSE(Enabled(d, tq::IDC_LS_INSIDE));
        EXPECT_TRUE(Checked(d, tq::IDC_LS_OUTSIDE));
        Click(d, tq::IDC_LS_TYPE_CHK);
        Click(d, tq::IDC_LS_POS_CHK);
        Click(d, tq::IDC_LS_INSIDE);
        Click(d, tq::IDC_LS_OTHER_CHK);
        Click(d, tq::IDC_LS_TYPE_LIST);
      })
      .Then([](HWND list) {  // list 124
        EXPECT_EQ(WindowTextA(list), "リスト項目の先頭記号(TYPE)");
        SelectListEntry(list, tq::IDC_VL_LIST, 2);  // "square (四角)"
        Click(list, plat::IDOK);
      })
      .Then([](HWND d) {
        EXPECT_EQ(ItemText(d, tq::IDC_LS_TYPE), "square");
        EXPECT_TRUE(Checked(d, tq::IDC_LS_INSIDE));
        Click(d, tq::IDC_LS_OTHER_CHANGE);
      })
      .Then([](HWND composer) {
        EXPECT_EQ(WindowTextA(composer), "スタイルの設定 <OL>");
        Click(composer, tq::IDC_SY_COLOR_CHK);
      })
      .Then([](HWND composer) {
        Type(composer, tq::IDC_SY_COLOR, "color:Red;");
        Click(composer, plat::IDOK);
      })
      .Then([](HWND d) {
        Screenshot(d, "list-style-dialog.bmp");
        Click(d, plat::IDOK);
      });
  tq::CListStyleDlg dlg(host_->hwnd());
  dlg.Init(29141, "");
  ASSERT_EQ(dlg.DoModal(), plat::IDOK);
  EXPECT_EQ(dlg.m_strResult, "list-style-type:square; list-style-position:inside;\r\ncolor:Red;");
  EXPECT_EQ(SettingInt("LtSyl_141Flag"), 0x8D);
  EXPECT_EQ(Setting("Syl_141Color"), "color:Red;");
}

}  // namespace
}  // namespace e2e
