// PARAM dialog: five attributes in one column, the buttons below.
#include "res/ids/param_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2020 = {
    IDD_PARAM, "パラメタ<PARAM>の設定", 187, 106, 9,
    {
        {IDC_PA_ID_CHK, Ctl::Check, "ID", 7, 9, 56, 10, true},
        {IDC_PA_ID, Ctl::Edit, nullptr, 66, 8, 114, 12},

        {IDC_PA_NAME_CHK, Ctl::Check, "NAME", 7, 25, 56, 10, true},
        {IDC_PA_NAME, Ctl::Edit, nullptr, 66, 24, 114, 12},

        {IDC_PA_VALUE_CHK, Ctl::Check, "VALUE", 7, 41, 56, 10, true},
        {IDC_PA_VALUE, Ctl::Edit, nullptr, 66, 40, 114, 12},

        {IDC_PA_VTYPE_CHK, Ctl::Check, "VALUETYPE", 7, 57, 56, 10, true},
        {IDC_PA_VTYPE, Ctl::Edit, nullptr, 66, 56, 78, 12},
        {IDC_PA_VTYPE_LIST, Ctl::Button, "参照(&V)", 148, 55, 32, 14},

        {IDC_PA_TYPE_CHK, Ctl::Check, "TYPE", 7, 73, 56, 10, true},
        {IDC_PA_TYPE, Ctl::Edit, nullptr, 66, 72, 78, 12},
        {IDC_PA_TYPE_LIST, Ctl::Button, "参照(&T)", 148, 71, 32, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 74, 88, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 130, 88, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2020);

}  // namespace tq::res
