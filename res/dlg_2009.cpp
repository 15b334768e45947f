// Border style dialog: the shorthand and the four edges, each a check box
// over its value and the button that builds it.
#include "res/ids/style_border_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2009 = {
    IDD_STYLE_BORDER, "境界スタイルの設定", 194, 181, 9,
    {
        {IDC_BD_ALL_CHK, Ctl::Check, "全境界(&border)", 7, 7, 130, 10, true},
        {IDC_BD_ALL, Ctl::Edit, nullptr, 17, 19, 124, 12, true},
        {IDC_BD_ALL_CHANGE, Ctl::Button, "変更(&A)", 145, 18, 42, 14},

        {IDC_BD_TOP_CHK, Ctl::Check, "上(border-&top)", 7, 37, 130, 10, true},
        {IDC_BD_TOP, Ctl::Edit, nullptr, 17, 49, 124, 12, true},
        {IDC_BD_TOP_CHANGE, Ctl::Button, "変更(&U)", 145, 48, 42, 14},

        {IDC_BD_RIGHT_CHK, Ctl::Check, "右(border-&right)", 7, 67, 130, 10, true},
        {IDC_BD_RIGHT, Ctl::Edit, nullptr, 17, 79, 124, 12, true},
        {IDC_BD_RIGHT_CHANGE, Ctl::Button, "変更(&S)", 145, 78, 42, 14},

        {IDC_BD_BOTTOM_CHK, Ctl::Check, "下(border-b&ottom)", 7, 97, 130, 10, true},
        {IDC_BD_BOTTOM, Ctl::Edit, nullptr, 17, 109, 124, 12, true},
        {IDC_BD_BOTTOM_CHANGE, Ctl::Button, "変更(&&P)", 145, 108, 42, 14},

        {IDC_BD_LEFT_CHK, Ctl::Check, "左(border-&left)", 7, 127, 130, 10, true},
        {IDC_BD_LEFT, Ctl::Edit, nullptr, 17, 139, 124, 12, true},
        {IDC_BD_LEFT_CHANGE, Ctl::Button, "変更(&M)", 145, 138, 42, 14},

        {plat::IDOK, Ctl::DefButton, "&OK", 83, 160, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "&CANCEL", 137, 160, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2009);

}  // namespace tq::res
