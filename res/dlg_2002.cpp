// Events dialog.
#include "res/ids/event_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2002 = {
    IDD_EVENT, "Eventsの設定", 268, 192, 9,
    {
        {plat::IDC_STATIC_, Ctl::Group, "イベントとスクリプトの選択", 7, 7, 254, 92},
        {IDC_EV_LIST, Ctl::List, nullptr, 14, 19, 70, 74, true},
        {plat::IDC_STATIC_, Ctl::Static, "イベント", 92, 20, 120, 8},
        {IDC_EV_EVENT, Ctl::Edit, nullptr, 92, 30, 118, 12, true},
        {plat::IDC_STATIC_, Ctl::Static, "起動するスクリプト", 92, 50, 120, 8},
        {IDC_EV_SCRIPT, Ctl::Edit, nullptr, 92, 60, 118, 12, true},
        {IDC_EV_BROWSE, Ctl::Button, "参照(&S)", 214, 59, 40, 14, true},

        {IDC_EV_ADD, Ctl::Button, "追加(&A)", 7, 106, 50, 14, true},
        {plat::IDC_STATIC_, Ctl::Static,
         "上のイベントと起動するスクリプトを確定するには、左の追加ボタンを押してください。", 63, 105, 198,
         18},
        {IDC_EV_PAIRS, Ctl::EditMulti, nullptr, 7, 126, 254, 40, true},

        {plat::IDOK, Ctl::DefButton, "OK", 155, 172, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 211, 172, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2002);

}  // namespace tq::res
