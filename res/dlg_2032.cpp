// Toolbox customization page: the tab title above, all commands on the
// left, the page's commands on the right, the edit buttons between them.
#include "res/templates.h"
#include "res/ids/tb_set_page.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2032 = {
    IDD_TBSET, "ツールボックス", 321, 178, 9,
    {
        {-1, Ctl::Static, "タブにつける表題", 7, 9, 66, 8},
        {IDC_TBS_TITLE, Ctl::Edit, nullptr, 76, 7, 110, 12},

        {-1, Ctl::Static, "コマンド一覧", 7, 26, 100, 8},
        {IDC_TBS_ALL, Ctl::List, nullptr, 7, 37, 150, 134},

        {IDC_TBS_ADD, Ctl::Button, "追加(&A)", 163, 50, 52, 14},
        {IDC_TBS_DELETE, Ctl::Button, "削除(&L)", 163, 68, 52, 14},
        {IDC_TBS_CLEAR, Ctl::Button, "クリア(&C)", 163, 86, 52, 14},
        {IDC_TBS_UP, Ctl::Button, "上へ(&U)", 163, 112, 52, 14},
        {IDC_TBS_DOWN, Ctl::Button, "下へ(&D)", 163, 130, 52, 14},
        {IDC_TBS_DEFAULT, Ctl::Button, "デフォルト(&F)", 163, 157, 52, 14},

        {-1, Ctl::Static, "表示するコマンド", 220, 26, 94, 8},
        {IDC_TBS_LIST, Ctl::List, nullptr, 220, 37, 94, 134},
    },
    true};

static const plat::TemplateRegistration reg(kDlg2032);

}  // namespace tq::res
