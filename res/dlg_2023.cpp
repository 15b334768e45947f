// Style rule dialog: the selector with its list of element names on the
// left, the declarations and the composer button on the right. The selector
// box is the first tab stop, so it takes the focus when the dialog opens.
#include "res/ids/style_rule_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2023 = {
    IDD_STYLE_RULE, "STYLEの設定", 264, 146, 9,
    {
        {IDC_SR_SELECTOR_LABEL, Ctl::Static, "セレクタ(STYLEを設定する要素,クラスなど)", 7, 7, 196, 8},
        {IDC_SR_SELECTOR, Ctl::Edit, nullptr, 7, 18, 116, 12, true},
        {IDC_SR_LIST, Ctl::ListSorted, nullptr, 7, 33, 116, 106, true},
        {IDC_SR_STYLE_LABEL, Ctl::Static, "スタイル", 128, 44, 60, 8},
        {IDC_SR_STYLE, Ctl::EditMulti, nullptr, 128, 55, 129, 66, true},
        {IDC_SR_CHANGE, Ctl::Button, "変更(&S)", 128, 125, 40, 14, true},

        {plat::IDOK, Ctl::DefButton, "OK", 207, 7, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 207, 24, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2023);

}  // namespace tq::res
