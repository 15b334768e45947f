// FRAMESET dialog: one column of attributes, the buttons below.
#include "res/ids/frame_set_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2021 = {
    IDD_FRAMESET, "<FRAMESET>の設定", 187, 146, 9,
    {
        {IDC_FS_ROWS_CHK, Ctl::Check, "&ROWS", 7, 9, 86, 10, true},
        {IDC_FS_ROWS, Ctl::Edit, nullptr, 95, 8, 85, 12},

        {IDC_FS_COLS_CHK, Ctl::Check, "&COLS", 7, 26, 86, 10, true},
        {IDC_FS_COLS, Ctl::Edit, nullptr, 95, 25, 85, 12},

        {IDC_FS_ONLOAD_CHK, Ctl::Check, "onLo&adスクリプト", 7, 43, 86, 10, true},
        {IDC_FS_ONLOAD, Ctl::Edit, nullptr, 95, 42, 49, 12},
        {IDC_FS_ONLOAD_BROWSE, Ctl::Button, "参照(&L)", 148, 41, 32, 14},

        {IDC_FS_ONUNLOAD_CHK, Ctl::Check, "OnU&nloadスクリプト", 7, 60, 86, 10, true},
        {IDC_FS_ONUNLOAD, Ctl::Edit, nullptr, 95, 59, 49, 12},
        {IDC_FS_ONUNLOAD_BROWSE, Ctl::Button, "参照(&U)", 148, 58, 32, 14},

        {IDC_FS_ATTR_CHK, Ctl::Check, "コア属性を指定(&X)", 7, 78, 100, 10, true},
        {IDC_FS_ATTR, Ctl::EditMulti, nullptr, 7, 93, 173, 28},
        {IDC_FS_ATTR_EDIT, Ctl::Button, "変更(&R)", 148, 76, 32, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 74, 125, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 130, 125, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2021);

}  // namespace tq::res
