// Per-side value dialog of margin and padding: one row per side, "auto"
// or a number with its unit.
#include "res/ids/style_margin_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2008 = {
    IDD_BOX_VALUE, "ﾀﾞｲｱﾛｸﾞ", 229, 146, 9,
    {
        {IDC_BV_TOP_LABEL, Ctl::Static, "上(top)", 7, 8, 46, 8, true},
        {IDC_BV_TOP_AUTO, Ctl::Check, "自動(&auto)", 55, 7, 55, 10, true},
        {IDC_BV_TOP, Ctl::Edit, nullptr, 115, 6, 40, 12, true},
        {IDC_BV_TOP_SPIN, Ctl::UpDown, nullptr, 155, 6, 10, 12},
        {IDC_BV_TOP_PX, Ctl::Radio, "px", 55, 20, 24, 10, true},
        {IDC_BV_TOP_EM, Ctl::Radio, "em", 81, 20, 24, 10},
        {IDC_BV_TOP_MM, Ctl::Radio, "mm", 107, 20, 24, 10},
        {IDC_BV_TOP_PT, Ctl::Radio, "pt", 133, 20, 24, 10},
        {IDC_BV_TOP_PERCENT, Ctl::Radio, "%", 159, 20, 24, 10},

        {IDC_BV_RIGHT_LABEL, Ctl::Static, "右(right)", 7, 36, 46, 8, true},
        {IDC_BV_RIGHT_AUTO, Ctl::Check, "自動(a&uto)", 55, 35, 55, 10, true},
        {IDC_BV_RIGHT, Ctl::Edit, nullptr, 115, 34, 40, 12, true},
        {IDC_BV_RIGHT_SPIN, Ctl::UpDown, nullptr, 155, 34, 10, 12},
        {IDC_BV_RIGHT_PX, Ctl::Radio, "px", 55, 48, 24, 10, true},
        {IDC_BV_RIGHT_EM, Ctl::Radio, "em", 81, 48, 24, 10},
        {IDC_BV_RIGHT_MM, Ctl::Radio, "mm", 107, 48, 24, 10},
        {IDC_BV_RIGHT_PT, Ctl::Radio, "pt", 133, 48, 24, 10},
        {IDC_BV_RIGHT_PERCENT, Ctl::Radio, "%", 159, 48, 24, 10},

        {IDC_BV_BOTTOM_LABEL, Ctl::Static, "下(bottom)", 7, 64, 46, 8, true},
        {IDC_BV_BOTTOM_AUTO, Ctl::Check, "自動(au&to)", 55, 63, 55, 10, true},
        {IDC_BV_BOTTOM, Ctl::Edit, nullptr, 115, 62, 40, 12, true},
        {IDC_BV_BOTTOM_SPIN, Ctl::UpDown, nullptr, 155, 62, 10, 12},
        {IDC_BV_BOTTOM_PX, Ctl::Radio, "px", 55, 76, 24, 10, true},
        {IDC_BV_BOTTOM_EM, Ctl::Radio, "em", 81, 76, 24, 10},
        {IDC_BV_BOTTOM_MM, Ctl::Radio, "mm", 107, 76, 24, 10},
        {IDC_BV_BOTTOM_PT, Ctl::Radio, "pt", 133, 76, 24, 10},
        {IDC_BV_BOTTOM_PERCENT, Ctl::Radio, "%", 159, 76, 24, 10},

        {IDC_BV_LEFT_LABEL, Ctl::Static, "左(left)", 7, 92, 46, 8, true},
        {IDC_BV_LEFT_AUTO, Ctl::Check, "自動(aut&o)", 55, 91, 55, 10, true},
        {IDC_BV_LEFT, Ctl::Edit, nullptr, 115, 90, 40, 12, true},
        {IDC_BV_LEFT_SPIN, Ctl::UpDown, nullptr, 155, 90, 10, 12},
        {IDC_BV_LEFT_PX, Ctl::Radio, "px", 55, 104, 24, 10, true},
        {IDC_BV_LEFT_EM, Ctl::Radio, "em", 81, 104, 24, 10},
        {IDC_BV_LEFT_MM, Ctl::Radio, "mm", 107, 104, 24, 10},
        {IDC_BV_LEFT_PT, Ctl::Radio, "pt", 133, 104, 24, 10},
        {IDC_BV_LEFT_PERCENT, Ctl::Radio, "%", 159, 104, 24, 10},

        {plat::IDOK, Ctl::DefButton, "OK", 116, 125, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 172, 125, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2008);

}  // namespace tq::res
