// Table cell dialog: header information, scope and spans on the left;
// alignment with its alignment character, vertical alignment and the
// other attributes on the right.
#include "dialogs/document/table_cell_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2015 = {
    IDD_TABLE_CELL, "セルの設定", 344, 186, 9,
    {
        {IDC_TC_ABBR_CHK, Ctl::Check, "省略形(A&BBR)指定", 7, 7, 150, 10, true},
        {IDC_TC_ABBR, Ctl::Edit, nullptr, 17, 19, 148, 12},

        {IDC_TC_AXIS_CHK, Ctl::Check, "セルの軸上の位置(A&XIS)指定", 7, 35, 158, 10, true},
        {IDC_TC_AXIS, Ctl::Edit, nullptr, 17, 47, 148, 12},

        {IDC_TC_HEADERS_CHK, Ctl::Check, "&HEADERS(IDを空白で区切って指定)", 7, 63, 158, 10, true},
        {IDC_TC_HEADERS, Ctl::Edit, nullptr, 17, 75, 148, 12},

        {IDC_TC_SCOPE_CHK, Ctl::Check, "スコープ(SCO&PE)指定", 7, 91, 158, 10, true},
        {IDC_TC_SCOPE, Ctl::Edit, nullptr, 17, 103, 60, 12},
        {IDC_TC_SCOPE_LIST, Ctl::List, nullptr, 81, 103, 84, 26},

        {IDC_TC_COLSPAN_CHK, Ctl::Check, "横方向セル(CO&LSPAN)", 7, 136, 95, 10, true},
        {IDC_TC_COLSPAN, Ctl::Edit, nullptr, 105, 135, 40, 12},
        {IDC_TC_COLSPAN_SPIN, Ctl::UpDown, nullptr, 145, 135, 10, 12},

        {IDC_TC_ROWSPAN_CHK, Ctl::Check, "縦方向セル(RO&WSPAN)", 7, 152, 95, 10, true},
        {IDC_TC_ROWSPAN, Ctl::Edit, nullptr, 105, 151, 40, 12},
        {IDC_TC_ROWSPAN_SPIN, Ctl::UpDown, nullptr, 145, 151, 10, 12},

        {IDC_TC_ALIGN_CHK, Ctl::Check, "行揃え(ALI&GN)", 175, 8, 100, 10, true},
        {IDC_TC_ALIGN, Ctl::Edit, nullptr, 185, 20, 60, 12},
        {IDC_TC_ALIGN_LIST, Ctl::ListSorted, nullptr, 249, 20, 88, 34},
        {IDC_TC_CHAR_LABEL, Ctl::Static, "行揃え基準文字", 185, 61, 72, 8},
        {IDC_TC_CHAR, Ctl::Edit, nullptr, 261, 59, 30, 12},
        {IDC_TC_CHAROFF_LABEL, Ctl::Static, "行揃え基準文字のオフセット", 185, 77, 130, 8},
        {IDC_TC_CHAROFF, Ctl::Edit, nullptr, 185, 89, 40, 12},
        {IDC_TC_CHAROFF_SPIN, Ctl::UpDown, nullptr, 225, 89, 10, 12},
        {IDC_TC_CHAROFF_PX, Ctl::Radio, "px", 241, 90, 22, 10, true},
        {IDC_TC_CHAROFF_PCT, Ctl::Radio, "%", 265, 90, 20, 10},

        {IDC_TC_VALIGN_CHK, Ctl::Check, "垂直位置(&VALIGN)", 175, 109, 100, 10, true},
        {IDC_TC_VALIGN, Ctl::Edit, nullptr, 185, 121, 60, 12},
        {IDC_TC_VALIGN_LIST, Ctl::ListSorted, nullptr, 249, 121, 88, 26},

        {IDC_TC_ATTR_CHK, Ctl::Check, "その他、&id, class スタイル等を指定", 175, 151, 162, 10, true},
        {IDC_TC_ATTR_EDIT, Ctl::Button, "変更(&X)", 175, 165, 40, 14},
        {IDC_TC_ATTR, Ctl::EditMulti, nullptr, 219, 163, 118, 18},

        {plat::IDOK, Ctl::DefButton, "OK", 7, 168, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 168, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2015);

}  // namespace tq::res
