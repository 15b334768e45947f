// Table cell dialog: header information, scope and spans on the left;
// alignment with its alignment character, vertical alignment and the
// other attributes on the right.
#include "res/ids/table_cell_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2015 = {
    IDD_TABLE_CELL, "セルの設定", 344, 186, 9,
    {
        {IDC_TC_ABBR_CHK, Ctl::Check, "省略形(A&BBR)指定", 7, 7, 150, 10, true},
        {IDC_TC_ABBR, Ctl::Edit, nullptr, 17, 18, 148, 12},

        {IDC_TC_AXIS_CHK, Ctl::Check, "セルの軸上の位置(A&XIS)指定", 7, 33, 158, 10, true},
        {IDC_TC_AXIS, Ctl::Edit, nullptr, 17, 44, 148, 12},

        {IDC_TC_HEADERS_CHK, Ctl::Check, "&HEADERS(IDを空白で区切って指定)", 7, 59, 158, 10, true},
        {IDC_TC_HEADERS, Ctl::Edit, nullptr, 17, 70, 148, 12},

        {IDC_TC_SCOPE_CHK, Ctl::Check, "スコープ(SCO&PE)指定", 7, 85, 158, 10, true},
        {IDC_TC_SCOPE, Ctl::Edit, nullptr, 17, 97, 60, 12},
        {IDC_TC_SCOPE_LIST, Ctl::List, nullptr, 81, 97, 84, 38},

        {IDC_TC_COLSPAN_CHK, Ctl::Check, "横方向セル(CO&LSPAN)", 7, 140, 95, 10, true},
        {IDC_TC_COLSPAN, Ctl::Edit, nullptr, 105, 139, 40, 12},
        {IDC_TC_COLSPAN_SPIN, Ctl::UpDown, nullptr, 145, 139, 10, 12},

        {IDC_TC_ROWSPAN_CHK, Ctl::Check, "縦方向セル(RO&WSPAN)", 7, 154, 95, 10, true},
        {IDC_TC_ROWSPAN, Ctl::Edit, nullptr, 105, 153, 40, 12},
        {IDC_TC_ROWSPAN_SPIN, Ctl::UpDown, nullptr, 145, 153, 10, 12},

        {IDC_TC_ALIGN_CHK, Ctl::Check, "行揃え(ALI&GN)", 175, 8, 70, 10, true},
        {IDC_TC_ALIGN, Ctl::Edit, nullptr, 185, 20, 56, 12},
        {IDC_TC_ALIGN_LIST, Ctl::ListSorted, nullptr, 245, 8, 92, 38},
        {IDC_TC_CHAR_LABEL, Ctl::Static, "行揃え基準文字", 185, 52, 72, 8},
        {IDC_TC_CHAR, Ctl::Edit, nullptr, 261, 50, 30, 12},
        {IDC_TC_CHAROFF_LABEL, Ctl::Static, "行揃え基準文字のオフセット", 185, 66, 130, 8},
        {IDC_TC_CHAROFF, Ctl::Edit, nullptr, 185, 77, 40, 12},
        {IDC_TC_CHAROFF_SPIN, Ctl::UpDown, nullptr, 225, 77, 10, 12},
        {IDC_TC_CHAROFF_PX, Ctl::Radio, "px", 241, 78, 22, 10, true},
        {IDC_TC_CHAROFF_PCT, Ctl::Radio, "%", 265, 78, 20, 10},

        {IDC_TC_VALIGN_CHK, Ctl::Check, "垂直位置(&VALIGN)", 175, 94, 76, 10, true},
        {IDC_TC_VALIGN, Ctl::Edit, nullptr, 185, 106, 56, 12},
        {IDC_TC_VALIGN_LIST, Ctl::ListSorted, nullptr, 245, 105, 92, 38},

        {IDC_TC_ATTR_CHK, Ctl::Check, "その他、&id, class スタイル等を指定", 175, 146, 162, 10, true},
        {IDC_TC_ATTR_EDIT, Ctl::Button, "変更(&X)", 175, 159, 40, 14},
        {IDC_TC_ATTR, Ctl::EditMulti, nullptr, 219, 158, 118, 21},

        {plat::IDOK, Ctl::DefButton, "OK", 7, 168, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 168, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2015);

}  // namespace tq::res
