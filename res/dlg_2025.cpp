// FORM dialog: action, method, encoding type, accepted character sets and
// target in the left column; the two events and the other attributes in
// the right one.
#include "res/ids/form_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2025 = {
    IDD_FORM, "<FORM>の設定", 314, 141, 9,
    {
        {IDC_FM_ACTION_LABEL, Ctl::Static, "ACTION", 7, 7, 60, 8, true},
        {IDC_FM_ACTION, Ctl::Edit, nullptr, 7, 17, 112, 12},
        {IDC_FM_ACTION_BROWSE, Ctl::Button, "参照(&C)", 122, 16, 36, 14},

        {IDC_FM_METHOD_CHK, Ctl::Check, "&METHOD指定", 7, 35, 64, 10, true},
        {IDC_FM_GET, Ctl::Radio, "get", 76, 35, 30, 10, true},
        {IDC_FM_POST, Ctl::Radio, "post", 110, 35, 30, 10},

        {IDC_FM_ENCTYPE_CHK, Ctl::Check, "&ENCTYPE指定", 7, 51, 100, 10, true},
        {IDC_FM_ENCTYPE, Ctl::Edit, nullptr, 7, 62, 112, 12},
        {IDC_FM_ENCTYPE_LIST, Ctl::Button, "参照(&N)", 122, 61, 36, 14},

        {IDC_FM_CHARSET_CHK, Ctl::Check, "ACCE&PT-CHARSET", 7, 79, 100, 10, true},
        {IDC_FM_CHARSET, Ctl::Edit, nullptr, 7, 90, 73, 12},
        {IDC_FM_CHARSET_LIST, Ctl::Button, "参照(&H)", 83, 89, 36, 14},
        {IDC_FM_CHARSET_ADD, Ctl::Button, "追加(&J)", 122, 89, 36, 14},

        {IDC_FM_TARGET_CHK, Ctl::Check, "&TARGET指定", 7, 107, 64, 10, true},
        {IDC_FM_TARGET, Ctl::Edit, nullptr, 76, 106, 82, 12},

        {IDC_FM_SUBMIT_CHK, Ctl::Check, "onS&ubmit（OKされたとき）", 168, 7, 139, 10, true},
        {IDC_FM_SUBMIT, Ctl::Edit, nullptr, 168, 18, 100, 12},
        {IDC_FM_SUBMIT_BROWSE, Ctl::Button, "参照(&B)", 271, 17, 36, 14},

        {IDC_FM_RESET_CHK, Ctl::Check, "on&Reset(リセットされたとき)", 168, 37, 139, 10, true},
        {IDC_FM_RESET, Ctl::Edit, nullptr, 168, 48, 100, 12},
        {IDC_FM_RESET_BROWSE, Ctl::Button, "参照(&S)", 271, 47, 36, 14},

        {IDC_FM_ATTR_CHK, Ctl::Check, "その他、ID､C&LASSなど", 168, 67, 100, 10, true},
        {IDC_FM_ATTR, Ctl::EditMulti, nullptr, 168, 80, 139, 54},
        {IDC_FM_ATTR_EDIT, Ctl::Button, "変更(&X)", 271, 64, 36, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 7, 122, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 122, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2025);

}  // namespace tq::res
