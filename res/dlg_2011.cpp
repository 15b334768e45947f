// Element layout style dialog: the two size groups and white-space on the
// left, the float, clear and display choices on the right.
#include "res/ids/style_element_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2011 = {
    IDD_STYLE_ELEMENT, "ﾀﾞｲｱﾛｸﾞ", 324, 171, 9,
    {
        {IDC_EL_W_CHK, Ctl::Check, "要素の幅(&width)指定", 7, 4, 120, 10, true},
        {plat::IDC_STATIC_, Ctl::Group, nullptr, 7, 12, 148, 42},
        {IDC_EL_W_AUTO, Ctl::Check, "自動(&auto)", 15, 22, 60, 10, true},
        {IDC_EL_W, Ctl::Edit, nullptr, 80, 21, 40, 12, true},
        {IDC_EL_W_SPIN, Ctl::UpDown, nullptr, 120, 21, 10, 12},
        {IDC_EL_W_PX, Ctl::Radio, "px", 15, 37, 25, 10, true},
        {IDC_EL_W_EM, Ctl::Radio, "em", 42, 37, 25, 10},
        {IDC_EL_W_MM, Ctl::Radio, "mm", 69, 37, 25, 10},
        {IDC_EL_W_PT, Ctl::Radio, "pt", 96, 37, 25, 10},
        {IDC_EL_W_PERCENT, Ctl::Radio, "%", 123, 37, 25, 10},

        {IDC_EL_H_CHK, Ctl::Check, "要素の高さ(&height)指定", 7, 58, 120, 10, true},
        {plat::IDC_STATIC_, Ctl::Group, nullptr, 7, 66, 148, 42},
        {IDC_EL_H_AUTO, Ctl::Check, "自動(a&uto)", 15, 76, 60, 10, true},
        {IDC_EL_H, Ctl::Edit, nullptr, 80, 75, 40, 12, true},
        {IDC_EL_H_SPIN, Ctl::UpDown, nullptr, 120, 75, 10, 12},
        {IDC_EL_H_PX, Ctl::Radio, "px", 15, 91, 25, 10, true},
        {IDC_EL_H_EM, Ctl::Radio, "em", 42, 91, 25, 10},
        {IDC_EL_H_MM, Ctl::Radio, "mm", 69, 91, 25, 10},
        {IDC_EL_H_PT, Ctl::Radio, "pt", 96, 91, 25, 10},
        {IDC_EL_H_PERCENT, Ctl::Radio, "%", 123, 91, 25, 10},

        {IDC_EL_WS_CHK, Ctl::Check, "空白の扱い(white-s&pace)指定", 7, 113, 150, 10, true},
        {IDC_EL_WS_NORMAL, Ctl::Radio, "normal (通常)", 17, 124, 140, 10, true},
        {IDC_EL_WS_PRE, Ctl::Radio, "pre (改行･空白を反映)", 17, 134, 140, 10},
        {IDC_EL_WS_NOWRAP, Ctl::Radio, "nowrap (行折りしない)", 17, 144, 140, 10},

        {IDC_EL_FLOAT_CHK, Ctl::Check, "回り込み(&float)指定", 164, 4, 150, 10, true},
        {IDC_EL_FLOAT_NONE, Ctl::Radio, "none ", 174, 15, 140, 10, true},
        {IDC_EL_FLOAT_LEFT, Ctl::Radio, "left (要素を左にして回り込み)", 174, 25, 140, 10},
        {IDC_EL_FLOAT_RIGHT, Ctl::Radio, "right (要素を右にして回り込み)", 174, 35, 140, 10},

        {IDC_EL_CLEAR_CHK, Ctl::Check, "回り込み解除(c&lear)", 164, 47, 150, 10, true},
        {IDC_EL_CLEAR_NONE, Ctl::Radio, "none", 174, 58, 140, 10, true},
        {IDC_EL_CLEAR_LEFT, Ctl::Radio, "left (左の回りこみを解除)", 174, 68, 140, 10},
        {IDC_EL_CLEAR_RIGHT, Ctl::Radio, "right (右の回り込み解除)", 174, 78, 140, 10},
        {IDC_EL_CLEAR_BOTH, Ctl::Radio, "both (左右の回り込み解除)", 174, 88, 140, 10},

        {IDC_EL_DISP_CHK, Ctl::Check, "要素の種類変更(&displa&y)", 164, 100, 150, 10, true},
        {IDC_EL_DISP_BLOCK, Ctl::Radio, "block (ブロック要素にする)", 174, 111, 140, 10, true},
        {IDC_EL_DISP_INLINE, Ctl::Radio, "inline (インライン要素にする)", 174, 121, 140, 10},
        {IDC_EL_DISP_LISTITEM, Ctl::Radio, "list-item (箇条書きの項目にする)", 174, 131, 140, 10},
        {IDC_EL_DISP_NONE, Ctl::Radio, "none (非表示)", 174, 141, 140, 10},

        {plat::IDOK, Ctl::DefButton, "OK", 210, 153, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 266, 153, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2011);

}  // namespace tq::res
