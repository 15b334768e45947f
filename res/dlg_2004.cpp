// Colour and background style dialog.
#include "res/ids/style_color_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2004 = {
    IDD_STYLE_COLOR, "色・背景の設定", 259, 206, 9,
    {
        {IDC_CL_COLOR_CHK, Ctl::Check, "文字色(&Color)の指定", 7, 9, 150, 10, true},
        {IDC_CL_COLOR_SWATCH, Ctl::Swatch, nullptr, 159, 8, 24, 12},
        {IDC_CL_COLOR_NAME, Ctl::Button, "参照A(&L)", 186, 7, 32, 14},
        {IDC_CL_COLOR_PICK, Ctl::Button, "参照B(&R)", 220, 7, 32, 14},

        {IDC_CL_BKG_CHK, Ctl::Check, "背景色(&Background-Color)の指定", 7, 26, 150, 10, true},
        {IDC_CL_BKG_SWATCH, Ctl::Swatch, nullptr, 159, 25, 24, 12},
        {IDC_CL_BKG_NAME, Ctl::Button, "参照A(&K)", 186, 24, 32, 14},
        {IDC_CL_BKG_PICK, Ctl::Button, "参照B(&G)", 220, 24, 32, 14},

        {IDC_CL_IMAGE_CHK, Ctl::Check, "背景画像(Background-&Image)の指定", 7, 43, 200, 10, true},
        {IDC_CL_IMAGE, Ctl::Edit, nullptr, 17, 55, 195, 12},
        {IDC_CL_IMAGE_BROWSE, Ctl::Button, "参照(&M)", 216, 54, 36, 14},

        {IDC_CL_REPEAT_CHK, Ctl::Check, "背景の並べ方(Backgro&und-Repeat)の指定", 7, 72, 200, 10, true},
        {IDC_CL_REPEAT, Ctl::Edit, nullptr, 17, 84, 195, 12},
        {IDC_CL_REPEAT_LIST, Ctl::Button, "参照(&E)", 216, 83, 36, 14},

        {IDC_CL_ATTACH_CHK, Ctl::Check, "背景画像のスクロール(Background-&Attachment)指定", 7, 101, 200, 10,
         true},
        {IDC_CL_ATTACH, Ctl::Edit, nullptr, 17, 113, 195, 12},
        {IDC_CL_ATTACH_LIST, Ctl::Button, "参照(&T)", 216, 112, 36, 14},

        {IDC_CL_POS_CHK, Ctl::Check, "背景画像の配置位置(Background-&Position)指定", 7, 131, 200, 10, true},
        {plat::IDC_STATIC_, Ctl::Group, nullptr, 7, 141, 186, 58},
        {IDC_CL_POSKW_CHK, Ctl::Check, "ｷｰﾜｰﾄﾞで指定(&W)", 13, 153, 70, 10, true},
        {IDC_CL_POSKW, Ctl::Edit, nullptr, 85, 152, 62, 12},
        {IDC_CL_POSKW_LIST, Ctl::Button, "参照(&Y)", 151, 151, 36, 14},

        {IDC_CL_POSL_LABEL, Ctl::Static, "横方向の位置", 13, 170, 50, 8},
        {IDC_CL_POSL, Ctl::Edit, nullptr, 65, 168, 30, 12, true},
        {IDC_CL_POSL_SPIN, Ctl::UpDown, nullptr, 95, 168, 10, 12},
        {IDC_CL_POSL_PERCENT, Ctl::Radio, "%", 111, 169, 20, 10, true},
        {IDC_CL_POSL_CM, Ctl::Radio, "cm", 133, 169, 24, 10},

        {IDC_CL_POSV_LABEL, Ctl::Static, "縦方向の位置", 13, 185, 50, 8, true},
        {IDC_CL_POSV, Ctl::Edit, nullptr, 65, 183, 30, 12, true},
        {IDC_CL_POSV_SPIN, Ctl::UpDown, nullptr, 95, 183, 10, 12},
        {IDC_CL_POSV_PERCENT, Ctl::Radio, "%", 111, 184, 20, 10, true},
        {IDC_CL_POSV_CM, Ctl::Radio, "cm", 133, 184, 24, 10},

        {plat::IDOK, Ctl::DefButton, "OK", 202, 168, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 202, 185, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2004);

}  // namespace tq::res
