// Border edge dialog: the width on the left, the line style and its list
// on the right, the colour with its swatch below.
#include "res/ids/style_border_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2010 = {
    IDD_BORDER_EDGE, "境界の設定(B)", 219, 156, 9,
    {
        {IDC_EB_WIDTH_CHK, Ctl::Check, "幅(&width)を指定", 7, 7, 100, 10, true},
        {IDC_EB_THIN, Ctl::Radio, "薄いタイプ(thin)", 17, 20, 92, 10, true},
        {IDC_EB_MEDIUM, Ctl::Radio, "標準(medium)", 17, 31, 92, 10},
        {IDC_EB_THICK, Ctl::Radio, "厚いタイプ(thick)", 17, 42, 92, 10},
        {IDC_EB_BY_LENGTH, Ctl::Radio, "長さで指定", 17, 53, 92, 10},
        {IDC_EB_LENGTH, Ctl::Edit, nullptr, 27, 65, 40, 12, true},
        {IDC_EB_LENGTH_SPIN, Ctl::UpDown, nullptr, 67, 65, 10, 12},
        {IDC_EB_PX, Ctl::Radio, "px", 27, 80, 21, 10, true},
        {IDC_EB_EM, Ctl::Radio, "em", 49, 80, 21, 10},
        {IDC_EB_MM, Ctl::Radio, "mm", 71, 80, 21, 10},
        {IDC_EB_PT, Ctl::Radio, "pt", 93, 80, 20, 10},

        {IDC_EB_STYLE_CHK, Ctl::Check, "スタイル(&style)を指定", 114, 7, 98, 10, true},
        {IDC_EB_STYLE, Ctl::Edit, nullptr, 124, 20, 88, 12, true},
        {IDC_EB_STYLE_LIST, Ctl::List, nullptr, 124, 35, 88, 57},

        {IDC_EB_COLOR_CHK, Ctl::Check, "色(&color)を指定", 7, 98, 100, 10, true},
        {IDC_EB_SWATCH, Ctl::Swatch, nullptr, 17, 111, 40, 12},
        {IDC_EB_COLOR_NAME, Ctl::Button, "変更(&A)", 61, 110, 40, 14},
        {IDC_EB_COLOR_PICK, Ctl::Button, "変更(&B)", 105, 110, 40, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 108, 135, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "CANCEL", 162, 135, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2010);

}  // namespace tq::res
