// Text style dialog: the number groups on the left, the keyword groups on
// the right (tab order follows).
#include "res/ids/style_text_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2006 = {
    IDD_STYLE_TEXT, "テキストの設定", 329, 186, 9,
    {
        {IDC_TX_WS_CHK, Ctl::Check, "単語間隔(&word-spacing)指定", 7, 7, 150, 10, true},
        {IDC_TX_WS_NORMAL, Ctl::Check, "&normal", 17, 20, 40, 10, true},
        {IDC_TX_WS, Ctl::Edit, nullptr, 60, 19, 34, 12, true},
        {IDC_TX_WS_SPIN, Ctl::UpDown, nullptr, 94, 19, 10, 12},
        {IDC_TX_WS_PX, Ctl::Radio, "px", 17, 33, 24, 10, true},
        {IDC_TX_WS_EM, Ctl::Radio, "em", 43, 33, 24, 10},
        {IDC_TX_WS_MM, Ctl::Radio, "mm", 69, 33, 24, 10},
        {IDC_TX_WS_PT, Ctl::Radio, "pt", 95, 33, 24, 10},

        {IDC_TX_LS_CHK, Ctl::Check, "文字間隔(&letter-spacing)指定", 7, 49, 150, 10, true},
        {IDC_TX_LS_NORMAL, Ctl::Check, "n&ormal", 17, 62, 40, 10, true},
        {IDC_TX_LS, Ctl::Edit, nullptr, 60, 61, 34, 12, true},
        {IDC_TX_LS_SPIN, Ctl::UpDown, nullptr, 94, 61, 10, 12},
        {IDC_TX_LS_PX, Ctl::Radio, "px", 17, 75, 24, 10, true},
        {IDC_TX_LS_EM, Ctl::Radio, "em", 43, 75, 24, 10},
        {IDC_TX_LS_MM, Ctl::Radio, "mm", 69, 75, 24, 10},
        {IDC_TX_LS_PT, Ctl::Radio, "pt", 95, 75, 24, 10},

        {IDC_TX_IND_CHK, Ctl::Check, "インデント(text-&indent)指定", 7, 91, 150, 10, true},
        {IDC_TX_IND, Ctl::Edit, nullptr, 17, 103, 34, 12},
        {IDC_TX_IND_SPIN, Ctl::UpDown, nullptr, 51, 103, 10, 12},
        {IDC_TX_IND_PX, Ctl::Radio, "px", 17, 118, 24, 10, true},
        {IDC_TX_IND_EM, Ctl::Radio, "em", 43, 118, 24, 10},
        {IDC_TX_IND_MM, Ctl::Radio, "mm", 69, 118, 24, 10},
        {IDC_TX_IND_PT, Ctl::Radio, "pt", 95, 118, 24, 10},
        {IDC_TX_IND_PERCENT, Ctl::Radio, "%", 121, 118, 24, 10},

        {IDC_TX_LH_CHK, Ctl::Check, "行送り(line-&height)指定", 7, 134, 150, 10, true},
        {IDC_TX_LH_NORMAL, Ctl::Check, "norma&l", 17, 147, 40, 10, true},
        {IDC_TX_LH, Ctl::Edit, nullptr, 60, 146, 34, 12, true},
        {IDC_TX_LH_SPIN, Ctl::UpDown, nullptr, 94, 146, 10, 12},
        {IDC_TX_LH_PX, Ctl::Radio, "px", 17, 161, 24, 10, true},
        {IDC_TX_LH_EM, Ctl::Radio, "em", 43, 161, 24, 10},
        {IDC_TX_LH_MM, Ctl::Radio, "mm", 69, 161, 24, 10},
        {IDC_TX_LH_PT, Ctl::Radio, "pt", 95, 161, 24, 10},
        {IDC_TX_LH_PERCENT, Ctl::Radio, "%", 121, 161, 22, 10},
        {IDC_TX_LH_RATIO, Ctl::Radio, "倍率", 145, 161, 30, 10},

        {IDC_TX_DECO_CHK, Ctl::Check, "装飾(text-&decoration)をほどこす。", 168, 7, 154, 10, true},
        {IDC_TX_DECO, Ctl::Edit, nullptr, 178, 19, 100, 12},
        {IDC_TX_DECO_LIST, Ctl::Button, "参照(&R)", 282, 18, 40, 14},

        {IDC_TX_TALIGN_CHK, Ctl::Check, "行配置(text-&align)指定", 168, 37, 154, 10, true},
        {IDC_TX_TALIGN, Ctl::Edit, nullptr, 178, 49, 100, 12},
        {IDC_TX_TALIGN_LIST, Ctl::Button, "参照(&L)", 282, 48, 40, 14},

        {IDC_TX_VA_CHK, Ctl::Check, "垂直配置(&vertical-align)指定", 168, 67, 154, 10, true},
        {IDC_TX_VAPER, Ctl::Edit, nullptr, 178, 79, 34, 12, true},
        {IDC_TX_VAPER_SPIN, Ctl::UpDown, nullptr, 212, 79, 10, 12},
        {IDC_TX_VAPER_LABEL, Ctl::Static, "ﾊﾟｰｾﾝﾄ", 226, 81, 40, 8},
        {IDC_TX_VAKW_CHK, Ctl::Check, "ｷｰﾜｰﾄﾞで指定(&K)", 174, 96, 70, 10, true},
        {IDC_TX_VAKW, Ctl::Edit, nullptr, 246, 95, 38, 12},
        {IDC_TX_VAKW_LIST, Ctl::Button, "参照(&Y)", 287, 94, 35, 14},

        {IDC_TX_TRANS_CHK, Ctl::Check, "英大文字/小文字変換(text-tra&nsform)", 168, 113, 154, 10, true},
        {IDC_TX_TRANS, Ctl::Edit, nullptr, 178, 125, 100, 12},
        {IDC_TX_TRANS_LIST, Ctl::Button, "参照(&R)", 282, 124, 40, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 216, 165, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 272, 165, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2006);

}  // namespace tq::res
