// Style composer: the six groups in two columns (color, font, text on the
// left; margin, border, element on the right), OK and Cancel beside them.
#include "res/ids/style_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2003 = {
    IDD_STYLE, "STYLEの設定", 339, 171, 9,
    {
        {IDC_SY_COLOR_CHK, Ctl::Check, "色・背景の設定(&L)", 7, 7, 134, 10, true},
        {IDC_SY_COLOR, Ctl::EditMulti, nullptr, 7, 19, 96, 36, true},
        {IDC_SY_COLOR_CHANGE, Ctl::Button, "変更(&D)", 107, 19, 34, 14},

        {IDC_SY_FONT_CHK, Ctl::Check, "フォント関連の設定(&F)", 7, 60, 134, 10, true},
        {IDC_SY_FONT, Ctl::EditMulti, nullptr, 7, 72, 96, 36, true},
        {IDC_SY_FONT_CHANGE, Ctl::Button, "変更(&G)", 107, 72, 34, 14},

        {IDC_SY_TEXT_CHK, Ctl::Check, "テキスト関連の設定(&T)", 7, 113, 134, 10, true},
        {IDC_SY_TEXT, Ctl::EditMulti, nullptr, 7, 125, 96, 36, true},
        {IDC_SY_TEXT_CHANGE, Ctl::Button, "変更(&X)", 107, 125, 34, 14},

        {IDC_SY_MARGIN_CHK, Ctl::Check, "マージン・パディングの設定(&M)", 146, 7, 134, 10, true},
        {IDC_SY_MARGIN, Ctl::EditMulti, nullptr, 146, 19, 96, 36, true},
        {IDC_SY_MARGIN_CHANGE, Ctl::Button, "変更(&N)", 246, 19, 34, 14},

        {IDC_SY_BORDER_CHK, Ctl::Check, "枠(&BORDER)の設定", 146, 60, 134, 10, true},
        {IDC_SY_BORDER, Ctl::EditMulti, nullptr, 146, 72, 96, 36, true},
        {IDC_SY_BORDER_CHANGE, Ctl::Button, "変更(&O)", 246, 72, 34, 14},

        {IDC_SY_ELEMENT_CHK, Ctl::Check, "大きさ・回り込みなどの設定(&W)", 146, 113, 134, 10, true},
        {IDC_SY_ELEMENT, Ctl::EditMulti, nullptr, 146, 125, 96, 36, true},
        {IDC_SY_ELEMENT_CHANGE, Ctl::Button, "変更(&H)", 246, 125, 34, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 284, 7, 48, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 284, 24, 48, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2003);

}  // namespace tq::res
