// BODY dialog: the two scripts and the other attributes on the left; the
// background image and the five colours on the right, each check box above
// its edit box and button.
#include "res/ids/body_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2031 = {
    IDD_BODY, "<BODY>の設定", 334, 166, 9,
    {
        {IDC_BD_ONLOAD_CHK, Ctl::Check, "ロード時のスクリプト(on&Load)", 7, 7, 156, 10, true},
        {IDC_BD_ONLOAD, Ctl::Edit, nullptr, 17, 18, 104, 12},
        {IDC_BD_ONLOAD_BROWSE, Ctl::Button, "参照(&O)", 125, 17, 38, 14},

        {IDC_BD_ONUNLOAD_CHK, Ctl::Check, "アンロード時のスクリプト(on&Unload)", 7, 36, 156, 10, true},
        {IDC_BD_ONUNLOAD, Ctl::Edit, nullptr, 17, 47, 104, 12},
        {IDC_BD_ONUNLOAD_BROWSE, Ctl::Button, "参照(&N)", 125, 46, 38, 14},

        {IDC_BD_ATTR_CHK, Ctl::Check, "ID, CLASS, スタイルなど(&S)", 7, 67, 116, 10, true},
        {IDC_BD_ATTR_EDIT, Ctl::Button, "変更(&X)", 125, 65, 38, 14},
        {IDC_BD_ATTR, Ctl::EditMulti, nullptr, 7, 82, 156, 56},

        {IDC_BD_BKG_CHK, Ctl::Check, "背景画像指定(&BACKGROUND)", 171, 7, 156, 10, true},
        {IDC_BD_BKG, Ctl::Edit, nullptr, 181, 18, 104, 12},
        {IDC_BD_BKG_BROWSE, Ctl::Button, "参照(&G)", 289, 17, 38, 14},

        {IDC_BD_BGCOLOR_CHK, Ctl::Check, "背景色(BG&COLOR)", 171, 35, 156, 10, true},
        {IDC_BD_BGCOLOR, Ctl::Edit, nullptr, 181, 46, 104, 12},
        {IDC_BD_BGCOLOR_PICK, Ctl::Button, "参照(&L)", 289, 45, 38, 14},

        {IDC_BD_TEXT_CHK, Ctl::Check, "文字色(&TEXT)", 171, 60, 156, 10, true},
        {IDC_BD_TEXT, Ctl::Edit, nullptr, 181, 71, 104, 12},
        {IDC_BD_TEXT_PICK, Ctl::Button, "参照(&E)", 289, 70, 38, 14},

        {IDC_BD_LINK_CHK, Ctl::Check, "リンク先の色(LIN&K)", 171, 85, 156, 10, true},
        {IDC_BD_LINK, Ctl::Edit, nullptr, 181, 96, 104, 12},
        {IDC_BD_LINK_PICK, Ctl::Button, "参照(&I)", 289, 95, 38, 14},

        {IDC_BD_ALINK_CHK, Ctl::Check, "アクティブリンク先の色(&ALINK)", 171, 110, 156, 10, true},
        {IDC_BD_ALINK, Ctl::Edit, nullptr, 181, 121, 104, 12},
        {IDC_BD_ALINK_PICK, Ctl::Button, "参照(&H)", 289, 120, 38, 14},

        {IDC_BD_VLINK_CHK, Ctl::Check, "既達リンク先の色(&VLINK)", 171, 135, 156, 10, true},
        {IDC_BD_VLINK, Ctl::Edit, nullptr, 181, 146, 104, 12},
        {IDC_BD_VLINK_PICK, Ctl::Button, "参照(&W)", 289, 145, 38, 14},

        // Last in the Tab order, after both columns.
        {plat::IDOK, Ctl::DefButton, "OK", 7, 145, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 145, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2031);

}  // namespace tq::res
