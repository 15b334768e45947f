// LABEL, OPTGROUP, OPTION and LEGEND dialog: the element's own attributes
// on the left, its events and the other attributes on the right, OK and
// Cancel centred below.
#include "res/ids/form_item_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2028 = {
    IDD_FORMITEM, "設定", 304, 126, 9,
    {
        {IDC_FI_LABEL_CHK, Ctl::Check, "LA&BEL", 7, 8, 60, 10, true},
        {IDC_FI_LABEL, Ctl::Edit, nullptr, 69, 7, 76, 12},

        {IDC_FI_FOR_CHK, Ctl::Check, "F&OR", 7, 24, 60, 10, true},
        {IDC_FI_FOR, Ctl::Edit, nullptr, 69, 23, 76, 12},

        {IDC_FI_VALUE_CHK, Ctl::Check, "&VALUE", 7, 40, 60, 10, true},
        {IDC_FI_VALUE, Ctl::Edit, nullptr, 69, 39, 76, 12},

        {IDC_FI_ACCESSKEY_CHK, Ctl::Check, "&ACCESSKEY", 7, 56, 60, 10, true},
        {IDC_FI_ACCESSKEY, Ctl::Edit, nullptr, 69, 55, 76, 12},

        {IDC_FI_DISABLED_CHK, Ctl::Check, "&DISABLED", 7, 72, 60, 10, true},
        {IDC_FI_SELECTED_CHK, Ctl::Check, "&SELECTED", 69, 72, 60, 10, true},

        {IDC_FI_ALIGN_CHK, Ctl::Check, "ALIG&N", 7, 88, 60, 10, true},
        {IDC_FI_ALIGN, Ctl::Edit, nullptr, 69, 87, 40, 12},
        {IDC_FI_ALIGN_LIST, Ctl::Button, "参照(&M)", 111, 86, 34, 14},

        {IDC_FI_FOCUS_CHK, Ctl::Check, "on&Focus", 156, 8, 50, 10, true},
        {IDC_FI_FOCUS, Ctl::Edit, nullptr, 208, 7, 54, 12},
        {IDC_FI_FOCUS_BROWSE, Ctl::Button, "参照(&U)", 264, 6, 34, 14},

        {IDC_FI_BLUR_CHK, Ctl::Check, "on&Blur", 156, 24, 50, 10, true},
        {IDC_FI_BLUR, Ctl::Edit, nullptr, 208, 23, 54, 12},
        {IDC_FI_BLUR_BROWSE, Ctl::Button, "参照(&K)", 264, 22, 34, 14},

        {IDC_FI_ATTR_CHK, Ctl::Check, "ID, CLASSなど(&Z)", 156, 42, 100, 10, true},
        {IDC_FI_ATTR, Ctl::EditMulti, nullptr, 156, 57, 142, 44},
        {IDC_FI_ATTR_EDIT, Ctl::Button, "参照(&X)", 264, 39, 34, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 98, 106, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 156, 106, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2028);

}  // namespace tq::res
