// HEAD family dialog: the controls of all five elements on one template.
#include "res/ids/head_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2030 = {
    IDD_HEAD, "設定", 319, 166, 9,
    {
        {IDC_HD_PROFILE_CHK, Ctl::Check, "文書情報(&PROFILE)", 7, 8, 84, 10, true},
        {IDC_HD_PROFILE, Ctl::Edit, nullptr, 93, 7, 151, 12},
        {IDC_HD_PROFILE_BROWSE, Ctl::Button, "参照(&R)", 246, 6, 32, 14},
        {IDC_HD_PROFILE_ADD, Ctl::Button, "追加(&E)", 280, 6, 32, 14},

        {IDC_HD_HREF_CHK, Ctl::Check, "基準URI(&HREF)", 7, 25, 84, 10, true},
        {IDC_HD_HREF, Ctl::Edit, nullptr, 93, 24, 185, 12},
        {IDC_HD_HREF_BROWSE, Ctl::Button, "参照(&F)", 280, 23, 32, 14},

        {IDC_HD_TARGET_CHK, Ctl::Check, "&TARGET", 7, 42, 84, 10, true},
        {IDC_HD_TARGET, Ctl::Edit, nullptr, 93, 41, 78, 12},
        {IDC_HD_TITLE_CHK, Ctl::Check, "補足説明(T&ITILE)", 176, 42, 76, 10, true},
        {IDC_HD_TITLE, Ctl::Edit, nullptr, 254, 41, 58, 12},

        {IDC_HD_TYPE_LABEL, Ctl::Static, "MIMEタイプ(TYPE)", 7, 60, 84, 8},
        {IDC_HD_TYPE, Ctl::Edit, nullptr, 93, 58, 44, 12, true},
        {IDC_HD_TYPE_LIST, Ctl::Button, "参照(&Y)", 139, 57, 32, 14},
        {IDC_HD_MEDIA_CHK, Ctl::Check, "&MEDIA", 176, 59, 40, 10, true},
        {IDC_HD_MEDIA, Ctl::Edit, nullptr, 218, 58, 60, 12},
        {IDC_HD_MEDIA_LIST, Ctl::Button, "参照(&A)", 280, 57, 32, 14},

        {IDC_HD_LANG_CHK, Ctl::Check, "&LANG", 7, 76, 84, 10, true},
        {IDC_HD_LANG, Ctl::Edit, nullptr, 93, 75, 44, 12},
        {IDC_HD_LANG_LIST, Ctl::Button, "参照(&G)", 139, 74, 32, 14},
        {IDC_HD_DIR_CHK, Ctl::Check, "&DIR", 176, 76, 40, 10, true},
        {IDC_HD_LTR, Ctl::Radio, "ltr", 222, 76, 40, 10, true},
        {IDC_HD_RTL, Ctl::Radio, "rtl", 264, 76, 40, 10},

        {IDC_HD_HTTPEQUIV_CHK, Ctl::Check, "HTTP-E&QUIV", 7, 93, 84, 10, true},
        {IDC_HD_HTTPEQUIV, Ctl::Edit, nullptr, 93, 92, 78, 12},
        {IDC_HD_NAME_CHK, Ctl::Check, "&NAME", 176, 93, 40, 10, true},
        {IDC_HD_NAME, Ctl::Edit, nullptr, 218, 92, 60, 12},
        {IDC_HD_NAME_LIST, Ctl::Button, "参照(&B)", 280, 91, 32, 14},

        {IDC_HD_CONTENT_LABEL, Ctl::Static, "C&ONTENT", 7, 111, 84, 8},
        {IDC_HD_CONTENT, Ctl::Edit, nullptr, 93, 109, 219, 12, true},

        {IDC_HD_SCHEME_CHK, Ctl::Check, "&SCHEME", 7, 127, 84, 10, true},
        {IDC_HD_SCHEME, Ctl::Edit, nullptr, 93, 126, 78, 12},

        {plat::IDOK, Ctl::DefButton, "OK", 206, 145, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 262, 145, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2030);

}  // namespace tq::res
