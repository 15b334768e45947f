// Font style dialog: four value rows, then the size group.
#include "dialogs/style/style_font_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2005 = {
    IDD_STYLE_FONT, "フォントの設定", 319, 116, 9,
    {
        {IDC_FN_FAMILY_CHK, Ctl::Check, "フォントの種類(font-fa&mily)指定", 7, 9, 118, 10, true},
        {IDC_FN_FAMILY, Ctl::Edit, nullptr, 127, 8, 88, 12},
        {IDC_FN_FAMILY_BROWSE, Ctl::Button, "参照(&I)", 219, 7, 36, 14},

        {IDC_FN_STYLE_CHK, Ctl::Check, "斜体･ｲﾀﾘｯｸ(font-&style)など指定", 7, 25, 118, 10, true},
        {IDC_FN_STYLE, Ctl::Edit, nullptr, 127, 24, 88, 12},
        {IDC_FN_STYLE_LIST, Ctl::Button, "参照(&T)", 219, 23, 36, 14},

        {IDC_FN_VARIANT_CHK, Ctl::Check, "ｽﾓｰﾙｷｬﾋﾟﾀﾙ(font-&variant)指定", 7, 41, 118, 10, true},
        {IDC_FN_VARIANT, Ctl::Edit, nullptr, 127, 40, 88, 12},
        {IDC_FN_VARIANT_LIST, Ctl::Button, "参照(&P)", 219, 39, 36, 14},

        {IDC_FN_WEIGHT_CHK, Ctl::Check, "太さ(font-&weight)指定", 7, 57, 118, 10, true},
        {IDC_FN_WEIGHT, Ctl::Edit, nullptr, 127, 56, 88, 12},
        {IDC_FN_WEIGHT_LIST, Ctl::Button, "参照(&G)", 219, 55, 36, 14},

        {IDC_FN_SIZE_CHK, Ctl::Check, "サイズ(font-si&ze)指定", 7, 75, 76, 10, true},
        {plat::IDC_STATIC_, Ctl::Group, nullptr, 86, 66, 172, 44},
        {IDC_FN_SIZEKW_CHK, Ctl::Check, "ｷｰﾜｰﾄﾞで指定(&K)", 92, 75, 70, 10, true},
        {IDC_FN_SIZEKW, Ctl::Edit, nullptr, 164, 74, 52, 12},
        {IDC_FN_SIZEKW_LIST, Ctl::Button, "参照(&O)", 219, 73, 36, 14},
        {IDC_FN_SIZE, Ctl::Edit, nullptr, 92, 92, 36, 12, true},
        {IDC_FN_SIZE_SPIN, Ctl::UpDown, nullptr, 128, 92, 10, 12},
        {IDC_FN_PT, Ctl::Radio, "pt", 142, 93, 22, 10, true},
        {IDC_FN_PX, Ctl::Radio, "px", 165, 93, 22, 10},
        {IDC_FN_MM, Ctl::Radio, "mm", 188, 93, 22, 10},
        {IDC_FN_EM, Ctl::Radio, "em", 211, 93, 22, 10},
        {IDC_FN_PERCENT, Ctl::Radio, "%", 234, 93, 20, 10},

        {plat::IDOK, Ctl::DefButton, "OK", 262, 7, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 262, 24, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2005);

}  // namespace tq::res
