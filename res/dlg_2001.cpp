// Value-list chooser.
#include "res/ids/value_list_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2001 = {
    IDD_VALUELIST, "ダイアログ", 186, 150, 9,
    {
        {IDC_VL_LIST, Ctl::List, nullptr, 7, 7, 120, 136},
        {plat::IDOK, Ctl::DefButton, "OK", 134, 7, 45, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 134, 25, 45, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2001);

}  // namespace tq::res
