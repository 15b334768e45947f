// List style dialog: three list-style rows, then the further declarations
// with the composer button; OK and Cancel on the right.
#include "res/ids/list_style_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2012 = {
    IDD_LIST_STYLE, "LISTに関するスタイル", 349, 101, 9,
    {
        {IDC_LS_TYPE_CHK, Ctl::Check, "先頭記号(list-style-&type)指定", 7, 8, 168, 10, true},
        {IDC_LS_TYPE, Ctl::Edit, nullptr, 178, 7, 72, 12},
        {IDC_LS_TYPE_LIST, Ctl::Button, "参照(&T)", 254, 6, 36, 14},

        {IDC_LS_IMAGE_CHK, Ctl::Check, "先頭記号に画像を使う(list-style-&image)", 7, 24, 168, 10, true},
        {IDC_LS_IMAGE, Ctl::Edit, nullptr, 178, 23, 72, 12},
        {IDC_LS_IMAGE_BROWSE, Ctl::Button, "参照(&M)", 254, 22, 36, 14},

        {IDC_LS_POS_CHK, Ctl::Check, "記号位置を指定(list-style-&position)", 7, 40, 168, 10, true},
        {IDC_LS_OUTSIDE, Ctl::Radio, "&outside", 178, 40, 44, 10, true},
        {IDC_LS_INSIDE, Ctl::Radio, "i&nside", 224, 40, 40, 10},

        {IDC_LS_OTHER_CHK, Ctl::Check, "その他のスタイル属性", 7, 56, 168, 10, true},
        {IDC_LS_OTHER, Ctl::EditMulti, nullptr, 7, 68, 243, 28, true},
        {IDC_LS_OTHER_CHANGE, Ctl::Button, "変更(&S)", 254, 68, 36, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 294, 7, 48, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 294, 24, 48, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2012);

}  // namespace tq::res
