// Margin and padding style dialog: margin on the left, padding on the
// right, each as top, right, bottom, left, shorthand and its button.
#include "res/ids/style_margin_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2007 = {
    IDD_STYLE_MARGIN, "境界や矩形領域の設定", 299, 151, 9,
    {
        {IDC_MG_MTOP_CHK, Ctl::Check, "margin-topを指定", 7, 9, 94, 10, true},
        {IDC_MG_MTOP, Ctl::Edit, nullptr, 103, 8, 42, 12},
        {IDC_MG_MRIGHT_CHK, Ctl::Check, "margin-rightを指定", 7, 25, 94, 10, true},
        {IDC_MG_MRIGHT, Ctl::Edit, nullptr, 103, 24, 42, 12},
        {IDC_MG_MBOTTOM_CHK, Ctl::Check, "margin-bottomを指定", 7, 41, 94, 10, true},
        {IDC_MG_MBOTTOM, Ctl::Edit, nullptr, 103, 40, 42, 12},
        {IDC_MG_MLEFT_CHK, Ctl::Check, "margin-leftを指定", 7, 57, 94, 10, true},
        {IDC_MG_MLEFT, Ctl::Edit, nullptr, 103, 56, 42, 12},
        {IDC_MG_MARGIN_CHK, Ctl::Check, "marginを指定", 7, 77, 94, 10, true},
        {IDC_MG_MARGIN, Ctl::Edit, nullptr, 17, 89, 128, 12},
        {IDC_MG_MCHANGE, Ctl::Button, "変更(&M)", 101, 106, 44, 14, true},

        {IDC_MG_PTOP_CHK, Ctl::Check, "padding-topを指定", 153, 9, 94, 10, true},
        {IDC_MG_PTOP, Ctl::Edit, nullptr, 249, 8, 42, 12},
        {IDC_MG_PRIGHT_CHK, Ctl::Check, "padding-rightを指定", 153, 25, 94, 10, true},
        {IDC_MG_PRIGHT, Ctl::Edit, nullptr, 249, 24, 42, 12},
        {IDC_MG_PBOTTOM_CHK, Ctl::Check, "padding-bottomを指定", 153, 41, 94, 10, true},
        {IDC_MG_PBOTTOM, Ctl::Edit, nullptr, 249, 40, 42, 12},
        {IDC_MG_PLEFT_CHK, Ctl::Check, "padding-leftを指定", 153, 57, 94, 10, true},
        {IDC_MG_PLEFT, Ctl::Edit, nullptr, 249, 56, 42, 12},
        {IDC_MG_PADDING_CHK, Ctl::Check, "paddingを指定", 153, 77, 94, 10, true},
        {IDC_MG_PADDING, Ctl::Edit, nullptr, 163, 89, 128, 12},
        {IDC_MG_PCHANGE, Ctl::Button, "変更(&P)", 247, 106, 44, 14, true},

        {plat::IDOK, Ctl::DefButton, "&OK", 178, 130, 55, 14, true},
        {plat::IDCANCEL, Ctl::Button, "&CANCEL", 237, 130, 55, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2007);

}  // namespace tq::res
