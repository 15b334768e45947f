// Font style dialog: four value rows, then the size group.
#include "res/ids/style_font_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2005 = {
    IDD_STYLE_FONT, "フォントの設定", 319, 116, 9,
    {
        {IDC_FN_FAMILY_CHK, Ctl::Check, "フォントの種類(font-fa&mily)指定", 7, 6, 138, 10, true},
        {IDC_FN_FAMILY, Ctl::Edit, nullptr, 147, 5, 68, 12},
        {IDC_FN_FAMILY_BROWSE, Ctl::Button, "参照(&I)", 219, 4, 36, 14},

        {IDC_FN_STYLE_CHK, Ctl::Check, "斜体･ｲﾀﾘｯｸ(font-&style)など指定", 7, 22, 138, 10, true},
        {IDC_FN_STYLE, Ctl::Edit, nullptr, 147, 21, 68, 12},
        {IDC_FN_STYLE_LIST, Ctl::Button, "参照(&T)", 219, 20, 36, 14},

        {IDC_FN_VARIANT_CHK, Ctl::Check, "ｽﾓｰﾙｷｬﾋﾟﾀﾙ(font-&variant)指定", 7, 38, 138, 10, true},
        {IDC_FN_VARIANT, Ctl::Edit, nullptr, 147, 37, 68, 12},
        {IDC_FN_VARIANT_LIST, Ctl::Button, "参照(&P)", 219, 36, 36, 14},

        {IDC_FN_WEIGHT_CHK, Ctl::Check, "太さ(font-&weight)指定", 7, 54, 138, 10, true},
        {IDC_FN_WEIGHT, Ctl::Edit, nullptr, 147, 53, 68, 12},
        {IDC_FN_WEIGHT_LIST, Ctl::Button, "参照(&G)", 219, 52, 36, 14},

        {IDC_FN_SIZE_CHK, Ctl::Check, "サイズ(font-si&ze)指定", 7, 70, 138, 10, true},
        {plat::IDC_STATIC_, Ctl::Group, nullptr, 7, 78, 248, 36},
        {IDC_FN_SIZEKW_CHK, Ctl::Check, "ｷｰﾜｰﾄﾞで指定(&K)", 17, 88, 80, 10, true},
        {IDC_FN_SIZEKW, Ctl::Edit, nullptr, 99, 87, 60, 12},
        {IDC_FN_SIZEKW_LIST, Ctl::Button, "参照(&O)", 163, 86, 36, 14},
        {IDC_FN_SIZE, Ctl::Edit, nullptr, 17, 100, 36, 12, true},
        {IDC_FN_SIZE_SPIN, Ctl::UpDown, nullptr, 53, 100, 10, 12},
        {IDC_FN_PT, Ctl::Radio, "pt", 71, 101, 24, 10, true},
        {IDC_FN_PX, Ctl::Radio, "px", 97, 101, 24, 10},
        {IDC_FN_MM, Ctl::Radio, "mm", 123, 101, 24, 10},
        {IDC_FN_EM, Ctl::Radio, "em", 149, 101, 24, 10},
        {IDC_FN_PERCENT, Ctl::Radio, "%", 175, 101, 22, 10},

        {plat::IDOK, Ctl::DefButton, "OK", 262, 7, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 262, 24, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2005);

}  // namespace tq::res
