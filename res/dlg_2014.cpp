// Column and row group dialog: span, width, alignment with its alignment
// character and vertical alignment on the left; the other attributes at
// the top right.
#include "res/ids/col_group_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2014 = {
    IDD_COL_GROUP, "作表に関する設定", 344, 176, 9,
    {
        {IDC_CG_SPAN_CHK, Ctl::Check, "ｸﾞﾙｰﾌﾟ化する列の数(SPAN)", 7, 8, 110, 10, true},
        {IDC_CG_SPAN, Ctl::Edit, nullptr, 120, 7, 40, 12},
        {IDC_CG_SPAN_SPIN, Ctl::UpDown, nullptr, 160, 7, 10, 12},

        {IDC_CG_WIDTH_CHK, Ctl::Check, "セル幅(WIDTH)", 7, 24, 110, 10, true},
        {IDC_CG_WIDTH, Ctl::Edit, nullptr, 120, 23, 40, 12},
        {IDC_CG_WIDTH_SPIN, Ctl::UpDown, nullptr, 160, 23, 10, 12},
        {IDC_CG_WIDTH_PX, Ctl::Radio, "px", 120, 38, 22, 10, true},
        {IDC_CG_WIDTH_PCT, Ctl::Radio, "%", 145, 38, 20, 10},

        {IDC_CG_ALIGN_CHK, Ctl::Check, "行揃え(ALIGN)", 7, 53, 76, 10, true},
        {IDC_CG_ALIGN, Ctl::Edit, nullptr, 17, 65, 60, 12},
        {IDC_CG_ALIGN_LIST, Ctl::ListSorted, nullptr, 84, 53, 92, 36},
        {IDC_CG_CHAR_LABEL, Ctl::Static, "行揃え基準文字", 17, 95, 72, 8},
        {IDC_CG_CHAR, Ctl::Edit, nullptr, 95, 93, 30, 12},
        {IDC_CG_CHAROFF_LABEL, Ctl::Static, "行揃え基準文字のオフセット", 17, 109, 130, 8},
        {IDC_CG_CHAROFF, Ctl::Edit, nullptr, 17, 120, 40, 12},
        {IDC_CG_CHAROFF_SPIN, Ctl::UpDown, nullptr, 57, 120, 10, 12},
        {IDC_CG_CHAROFF_PX, Ctl::Radio, "px", 73, 121, 22, 10, true},
        {IDC_CG_CHAROFF_PCT, Ctl::Radio, "%", 97, 121, 20, 10},

        {IDC_CG_VALIGN_CHK, Ctl::Check, "垂直位置(VALIGN)", 7, 135, 76, 10, true},
        {IDC_CG_VALIGN, Ctl::Edit, nullptr, 17, 147, 60, 12},
        {IDC_CG_VALIGN_LIST, Ctl::ListSorted, nullptr, 84, 133, 92, 36},

        {IDC_CG_ATTR_CHK, Ctl::Check, "その他、id, class スタイル等を指定", 185, 8, 152, 10, true},
        {IDC_CG_ATTR_EDIT, Ctl::Button, "変更(&B)", 185, 21, 40, 14},
        {IDC_CG_ATTR, Ctl::EditMulti, nullptr, 185, 39, 152, 80},

        {plat::IDOK, Ctl::DefButton, "OK", 233, 155, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 287, 155, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2014);

}  // namespace tq::res
