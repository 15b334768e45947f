// SELECT and TEXTAREA dialog: name, the text area's columns and rows, the
// list's size, the states, tab order and access key on the left; the
// events and the other attributes on the right.
#include "res/ids/text_area_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2027 = {
    IDD_TEXTAREA, "<TEXTAREA>の設定", 314, 151, 9,
    {
        {IDC_TA_NAME_CHK, Ctl::Check, "&NAME", 7, 9, 62, 10, true},
        {IDC_TA_NAME, Ctl::Edit, nullptr, 71, 8, 80, 12},

        {IDC_TA_COLS_LABEL, Ctl::Static, "横幅(COLS)", 17, 27, 52, 10},
        {IDC_TA_COLS, Ctl::Edit, nullptr, 71, 25, 40, 12},
        {IDC_TA_COLS_SPIN, Ctl::UpDown, nullptr, 111, 25, 10, 12},

        {IDC_TA_ROWS_LABEL, Ctl::Static, "行数(ROWS)", 17, 44, 52, 10},
        {IDC_TA_ROWS, Ctl::Edit, nullptr, 71, 42, 40, 12},
        {IDC_TA_ROWS_SPIN, Ctl::UpDown, nullptr, 111, 42, 10, 12},

        {IDC_TA_SIZE_CHK, Ctl::Check, "SI&ZE", 7, 60, 62, 10, true},
        {IDC_TA_SIZE, Ctl::Edit, nullptr, 71, 59, 40, 12},
        {IDC_TA_SIZE_SPIN, Ctl::UpDown, nullptr, 111, 59, 10, 12},

        {IDC_TA_DISABLED_CHK, Ctl::Check, "&DISABLED", 7, 77, 46, 10, true},
        {IDC_TA_READONLY_CHK, Ctl::Check, "READONL&Y", 55, 77, 48, 10, true},
        {IDC_TA_MULTIPLE_CHK, Ctl::Check, "&MULTIPLE", 105, 77, 48, 10, true},

        {IDC_TA_TABINDEX_CHK, Ctl::Check, "T&ABINDEX", 7, 94, 62, 10, true},
        {IDC_TA_TABINDEX, Ctl::Edit, nullptr, 71, 93, 40, 12},
        {IDC_TA_TABINDEX_SPIN, Ctl::UpDown, nullptr, 111, 93, 10, 12},

        {IDC_TA_ACCESSKEY_CHK, Ctl::Check, "ACCESS&KEY", 7, 111, 62, 10, true},
        {IDC_TA_ACCESSKEY, Ctl::Edit, nullptr, 71, 110, 80, 12},

        {IDC_TA_FOCUS_CHK, Ctl::Check, "on&Focus", 162, 9, 60, 10, true},
        {IDC_TA_FOCUS, Ctl::Edit, nullptr, 224, 8, 48, 12},
        {IDC_TA_FOCUS_BROWSE, Ctl::Button, "参照(&U)", 275, 7, 32, 14},

        {IDC_TA_BLUR_CHK, Ctl::Check, "on&Blur", 162, 26, 60, 10, true},
        {IDC_TA_BLUR, Ctl::Edit, nullptr, 224, 25, 48, 12},
        {IDC_TA_BLUR_BROWSE, Ctl::Button, "参照(&R)", 275, 24, 32, 14},

        {IDC_TA_SELECT_CHK, Ctl::Check, "on&Select", 162, 43, 60, 10, true},
        {IDC_TA_SELECT, Ctl::Edit, nullptr, 224, 42, 48, 12},
        {IDC_TA_SELECT_BROWSE, Ctl::Button, "参照(&E)", 275, 41, 32, 14},

        {IDC_TA_CHANGE_CHK, Ctl::Check, "onC&hange", 162, 60, 60, 10, true},
        {IDC_TA_CHANGE, Ctl::Edit, nullptr, 224, 59, 48, 12},
        {IDC_TA_CHANGE_BROWSE, Ctl::Button, "参照(&G)", 275, 58, 32, 14},

        {IDC_TA_ATTR_CHK, Ctl::Check, "ID, CLASSなど(&X)", 162, 78, 100, 10, true},
        {IDC_TA_ATTR, Ctl::EditMulti, nullptr, 162, 93, 145, 51},
        {IDC_TA_ATTR_EDIT, Ctl::Button, "参照(&Z)", 275, 75, 32, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 7, 130, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 130, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2027);

}  // namespace tq::res
