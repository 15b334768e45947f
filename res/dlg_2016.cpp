// Anchor, link, map and area dialog: character set, type, name, target
// address, alternative text, language and relations on the left; access
// key, target frame, shape with its coordinates, tab order, events and the
// other attributes on the right.
#include "res/ids/anchor_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2016 = {
    IDD_ANCHOR, "ハイパーリンクの設定", 349, 191, 9,
    {
        {IDC_AN_CHARSET_CHK, Ctl::Check, "&CHARSET", 7, 8, 62, 10, true},
        {IDC_AN_CHARSET, Ctl::Edit, nullptr, 72, 7, 60, 12},
        {IDC_AN_CHARSET_LIST, Ctl::Button, "参照(&H)", 135, 6, 36, 14},

        {IDC_AN_TYPE_CHK, Ctl::Check, "T&YPE指定", 7, 24, 62, 10, true},
        {IDC_AN_TYPE, Ctl::Edit, nullptr, 72, 23, 60, 12},
        {IDC_AN_TYPE_LIST, Ctl::Button, "参照'&T)", 135, 22, 36, 14},

        {IDC_AN_NAME_CHK, Ctl::Check, "NA&ME指定", 7, 40, 62, 10, true},
        {IDC_AN_NAME, Ctl::Edit, nullptr, 72, 39, 99, 12},

        {IDC_AN_HREF_LABEL, Ctl::Static, "H&REF", 7, 56, 60, 8, true},
        {IDC_AN_HREF, Ctl::Edit, nullptr, 7, 66, 125, 12},
        {IDC_AN_HREF_BROWSE, Ctl::Button, "参照(&H)", 135, 65, 36, 14},

        {IDC_AN_NOHREF_CHK, Ctl::Check, "NOH&REF", 7, 83, 62, 10, true},

        {IDC_AN_ALT_LABEL, Ctl::Static, "ALT(代替文字列)", 7, 97, 80, 8, true},
        {IDC_AN_ALT, Ctl::Edit, nullptr, 7, 107, 164, 12},

        {IDC_AN_HREFLANG_CHK, Ctl::Check, "HREFL&ANG", 7, 125, 62, 10, true},
        {IDC_AN_HREFLANG, Ctl::Edit, nullptr, 72, 124, 60, 12},
        {IDC_AN_HREFLANG_LIST, Ctl::Button, "参照(&G)", 135, 123, 36, 14},

        {IDC_AN_REL_CHK, Ctl::Check, "RE&L指定", 7, 141, 62, 10, true},
        {IDC_AN_REL, Ctl::Edit, nullptr, 72, 140, 60, 12},
        {IDC_AN_REL_LIST, Ctl::Button, "関係(&1)", 135, 139, 36, 14},

        {IDC_AN_REV_CHK, Ctl::Check, "RE&V指定", 7, 157, 62, 10, true},
        {IDC_AN_REV, Ctl::Edit, nullptr, 72, 156, 60, 12},
        {IDC_AN_REV_LIST, Ctl::Button, "関係(&2)", 135, 155, 36, 14},

        {IDC_AN_ACCESSKEY_CHK, Ctl::Check, "ACCESS&KEY指定", 182, 8, 74, 10, true},
        {IDC_AN_ACCESSKEY, Ctl::Edit, nullptr, 258, 7, 84, 12},

        {IDC_AN_TARGET_CHK, Ctl::Check, "TARG&ET", 182, 24, 74, 10, true},
        {IDC_AN_TARGET, Ctl::Edit, nullptr, 258, 23, 84, 12},

        {IDC_AN_SHAPE_CHK, Ctl::Check, "SHA&PE指定", 182, 40, 74, 10, true},
        {IDC_AN_SHAPE, Ctl::Edit, nullptr, 258, 39, 84, 12},
        {IDC_AN_SHAPE_LIST, Ctl::List, nullptr, 192, 54, 76, 38},
        {IDC_AN_COORDS_LABEL, Ctl::Static, "COORDS", 274, 55, 60, 8, true},
        {IDC_AN_COORDS, Ctl::Edit, nullptr, 274, 65, 68, 12},

        {IDC_AN_TABINDEX_CHK, Ctl::Check, "TAB&INDEX指定", 182, 98, 74, 10, true},
        {IDC_AN_TABINDEX, Ctl::Edit, nullptr, 258, 97, 40, 12},
        {IDC_AN_TABINDEX_SPIN, Ctl::UpDown, nullptr, 298, 97, 10, 12},

        {IDC_AN_FOCUS_CHK, Ctl::Check, "On&Focus", 182, 114, 74, 10, true},
        {IDC_AN_FOCUS, Ctl::Edit, nullptr, 258, 113, 46, 12},
        {IDC_AN_FOCUS_BROWSE, Ctl::Button, "参照(&3)", 306, 112, 36, 14},

        {IDC_AN_BLUR_CHK, Ctl::Check, "On&Blur", 182, 130, 74, 10, true},
        {IDC_AN_BLUR, Ctl::Edit, nullptr, 258, 129, 46, 12},
        {IDC_AN_BLUR_BROWSE, Ctl::Button, "参照(&4)", 306, 128, 36, 14},

        {IDC_AN_ATTR_CHK, Ctl::Check, "その他、id, class スタイル等を指定(&Q)", 182, 146, 160, 10, true},
        {IDC_AN_ATTR, Ctl::EditMulti, nullptr, 182, 158, 120, 28},
        {IDC_AN_ATTR_EDIT, Ctl::Button, "変更(&X)", 306, 158, 36, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 7, 172, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 172, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2016);

}  // namespace tq::res
