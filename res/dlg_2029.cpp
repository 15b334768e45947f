// Script dialog: one row per attribute.
#include "res/ids/script_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2029 = {
    IDD_SCRIPT, "<SCRIPT>の設定", 179, 141, 9,
    {
        {IDC_SC_TYPE_LABEL, Ctl::Static, "MIMEタイプ(TYPE)", 7, 10, 88, 8},
        {IDC_SC_TYPE, Ctl::Edit, nullptr, 97, 8, 39, 12, true},
        {IDC_SC_TYPE_LIST, Ctl::Button, "参照(&P)", 140, 7, 32, 14},

        {IDC_SC_LANG_CHK, Ctl::Check, "&LANGUAGE", 7, 29, 88, 10, true},
        {IDC_SC_LANG, Ctl::Edit, nullptr, 97, 28, 75, 12},

        {IDC_SC_CHARSET_CHK, Ctl::Check, "文字セット(&CHARSET)", 7, 49, 88, 10, true},
        {IDC_SC_CHARSET, Ctl::Edit, nullptr, 97, 48, 39, 12},
        {IDC_SC_CHARSET_LIST, Ctl::Button, "参照(&H)", 140, 47, 32, 14},

        {IDC_SC_SRC_CHK, Ctl::Check, "&SRC", 7, 69, 88, 10, true},
        {IDC_SC_SRC, Ctl::Edit, nullptr, 97, 68, 39, 12},
        {IDC_SC_SRC_BROWSE, Ctl::Button, "参照(&R)", 140, 67, 32, 14},

        {IDC_SC_DEFER_CHK, Ctl::Check, "D&EFER宣言", 7, 89, 86, 10, true},

        {plat::IDOK, Ctl::DefButton, "OK", 66, 120, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 122, 120, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2029);

}  // namespace tq::res
