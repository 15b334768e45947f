// INPUT and BUTTON dialog: the control's type, name, value, states, sizes
// and image on the left; tab order, access key, accepted types, events,
// alignment and the other attributes on the right.
#include "res/ids/input_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2026 = {
    IDD_INPUT, "<INPUT>の設定", 289, 241, 9,
    {
        {IDC_IN_TYPE_CHK, Ctl::Check, "&TYPE", 7, 9, 56, 10, true},
        {IDC_IN_TYPE, Ctl::Edit, nullptr, 65, 8, 40, 12},
        {IDC_IN_TYPE_LIST, Ctl::Button, "参照(&Y)", 108, 7, 34, 14},

        {IDC_IN_NAME_CHK, Ctl::Check, "&NAME", 7, 27, 56, 10, true},
        {IDC_IN_NAME, Ctl::Edit, nullptr, 65, 26, 77, 12},

        {IDC_IN_VALUE_CHK, Ctl::Check, "&VALUE", 7, 45, 56, 10, true},
        {IDC_IN_VALUE, Ctl::Edit, nullptr, 65, 44, 77, 12},

        {IDC_IN_CHECKED_CHK, Ctl::Check, "C&HECKED", 7, 63, 44, 10, true},
        {IDC_IN_DISABLED_CHK, Ctl::Check, "&DISABLED", 53, 63, 44, 10, true},
        {IDC_IN_READONLY_CHK, Ctl::Check, "&READONLY", 99, 63, 44, 10, true},

        {IDC_IN_SIZE_CHK, Ctl::Check, "SI&ZE", 7, 81, 56, 10, true},
        {IDC_IN_SIZE, Ctl::Edit, nullptr, 65, 80, 40, 12},
        {IDC_IN_SIZE_SPIN, Ctl::UpDown, nullptr, 105, 80, 10, 12},

        {IDC_IN_MAXLEN_CHK, Ctl::Check, "&MAXLENGTH", 7, 99, 56, 10, true},
        {IDC_IN_MAXLEN, Ctl::Edit, nullptr, 65, 98, 40, 12},
        {IDC_IN_MAXLEN_SPIN, Ctl::UpDown, nullptr, 105, 98, 10, 12},

        {IDC_IN_SRC_CHK, Ctl::Check, "&SRC", 7, 117, 56, 10, true},
        {IDC_IN_SRC, Ctl::Edit, nullptr, 65, 116, 40, 12},
        {IDC_IN_SRC_BROWSE, Ctl::Button, "参照(&C)", 108, 115, 34, 14},

        {IDC_IN_ALT_CHK, Ctl::Check, "&ALT", 7, 135, 56, 10, true},
        {IDC_IN_ALT, Ctl::Edit, nullptr, 65, 134, 77, 12},

        {IDC_IN_USEMAP_CHK, Ctl::Check, "&USEMAP", 7, 153, 56, 10, true},
        {IDC_IN_USEMAP, Ctl::Edit, nullptr, 65, 152, 40, 12},
        {IDC_IN_USEMAP_BROWSE, Ctl::Button, "参照(&Z)", 108, 151, 34, 14},

        {IDC_IN_TABINDEX_CHK, Ctl::Check, "TABINDE&X", 150, 9, 58, 10, true},
        {IDC_IN_TABINDEX, Ctl::Edit, nullptr, 210, 8, 40, 12},
        {IDC_IN_TABINDEX_SPIN, Ctl::UpDown, nullptr, 250, 8, 10, 12},

        {IDC_IN_ACCESSKEY_CHK, Ctl::Check, "A&CCESSKEY", 150, 27, 58, 10, true},
        {IDC_IN_ACCESSKEY, Ctl::Edit, nullptr, 210, 26, 74, 12},

        {IDC_IN_ACCEPT_CHK, Ctl::Check, "ACCE&PT", 150, 45, 58, 10, true},
        {IDC_IN_ACCEPT, Ctl::Edit, nullptr, 210, 44, 38, 12},
        {IDC_IN_ACCEPT_LIST, Ctl::Button, "参照(&Q)", 250, 43, 34, 14},

        {IDC_IN_FOCUS_CHK, Ctl::Check, "on&Focus", 150, 63, 58, 10, true},
        {IDC_IN_FOCUS, Ctl::Edit, nullptr, 210, 62, 38, 12},
        {IDC_IN_FOCUS_BROWSE, Ctl::Button, "参照(&U)", 250, 61, 34, 14},

        {IDC_IN_BLUR_CHK, Ctl::Check, "on&Blur", 150, 81, 58, 10, true},
        {IDC_IN_BLUR, Ctl::Edit, nullptr, 210, 80, 38, 12},
        {IDC_IN_BLUR_BROWSE, Ctl::Button, "参照(&N)", 250, 79, 34, 14},

        {IDC_IN_SELECT_CHK, Ctl::Check, "onSe&lect", 150, 99, 58, 10, true},
        {IDC_IN_SELECT, Ctl::Edit, nullptr, 210, 98, 38, 12},
        {IDC_IN_SELECT_BROWSE, Ctl::Button, "参照(&O)", 250, 97, 34, 14},

        {IDC_IN_CHANGE_CHK, Ctl::Check, "onChan&ge", 150, 117, 58, 10, true},
        {IDC_IN_CHANGE, Ctl::Edit, nullptr, 210, 116, 38, 12},
        {IDC_IN_CHANGE_BROWSE, Ctl::Button, "参照(&W)", 250, 115, 34, 14},

        {IDC_IN_ALIGN_CHK, Ctl::Check, "ALIGN(&J)", 150, 135, 58, 10, true},
        {IDC_IN_ALIGN, Ctl::Edit, nullptr, 210, 134, 38, 12},
        {IDC_IN_ALIGN_LIST, Ctl::Button, "参照(&K)", 250, 133, 34, 14},

        {IDC_IN_ATTR_CHK, Ctl::Check, "ID、ＣＬＡＳＳなど(&N)", 150, 153, 98, 10, true},
        {IDC_IN_ATTR, Ctl::EditMulti, nullptr, 150, 169, 134, 48},
        {IDC_IN_ATTR_EDIT, Ctl::Button, "変更(&X)", 250, 151, 34, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 7, 220, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 220, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2026);

}  // namespace tq::res
