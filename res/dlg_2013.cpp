// TABLE dialog: border, width, summary, frame and rules on the left; cell
// spacing, cell padding and the other attributes on the right.
#include "res/ids/table_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2013 = {
    IDD_TABLE, "作表要素の設定", 354, 166, 9,
    {
        {IDC_TB_BORDER_CHK, Ctl::Check, "外枠の幅(&BORDER)", 7, 6, 86, 10, true},
        {IDC_TB_BORDER, Ctl::Edit, nullptr, 95, 5, 36, 12},
        {IDC_TB_BORDER_SPIN, Ctl::UpDown, nullptr, 131, 5, 10, 12},

        {IDC_TB_WIDTH_CHK, Ctl::Check, "表の幅(&WIDTH)", 7, 21, 86, 10, true},
        {IDC_TB_WIDTH, Ctl::Edit, nullptr, 95, 20, 36, 12},
        {IDC_TB_WIDTH_SPIN, Ctl::UpDown, nullptr, 131, 20, 10, 12},
        {IDC_TB_WIDTH_PX, Ctl::Radio, "px", 145, 21, 22, 10, true},
        {IDC_TB_WIDTH_PCT, Ctl::Radio, "%", 167, 21, 18, 10},

        {IDC_TB_SUMMARY_CHK, Ctl::Check, "概要・音声ﾃﾞﾊﾞｲｽ等(S&UMMARY)", 7, 35, 150, 10, true},
        {IDC_TB_SUMMARY, Ctl::EditMulti, nullptr, 17, 46, 167, 12},

        // A one-line summary leaves the two value lists room for three rows.
        {IDC_TB_FRAME_CHK, Ctl::Check, "外枠の引き方(&FRAME)を指定", 7, 62, 116, 10, true},
        {IDC_TB_FRAME, Ctl::Edit, nullptr, 125, 61, 59, 12},
        {IDC_TB_FRAME_LIST, Ctl::ListSorted, nullptr, 17, 74, 167, 36},

        {IDC_TB_RULES_CHK, Ctl::Check, "罫線(&RULES)の引き方を指定", 7, 114, 116, 10, true},
        {IDC_TB_RULES, Ctl::Edit, nullptr, 125, 113, 59, 12},
        {IDC_TB_RULES_LIST, Ctl::ListSorted, nullptr, 17, 126, 167, 36},

        {IDC_TB_SPACING_CHK, Ctl::Check, "セル間隔(CELL&SPACING)", 192, 8, 150, 10, true},
        {IDC_TB_SPACING, Ctl::Edit, nullptr, 202, 21, 40, 12},
        {IDC_TB_SPACING_SPIN, Ctl::UpDown, nullptr, 242, 21, 10, 12},
        {IDC_TB_SPACING_PX, Ctl::Radio, "px", 258, 22, 22, 10, true},
        {IDC_TB_SPACING_PCT, Ctl::Radio, "%", 282, 22, 20, 10},

        {IDC_TB_PADDING_CHK, Ctl::Check, "セルと枠の間(CELL&PADDING)", 192, 41, 150, 10, true},
        {IDC_TB_PADDING, Ctl::Edit, nullptr, 202, 54, 40, 12},
        {IDC_TB_PADDING_SPIN, Ctl::UpDown, nullptr, 242, 54, 10, 12},
        {IDC_TB_PADDING_PX, Ctl::Radio, "px", 258, 55, 22, 10, true},
        {IDC_TB_PADDING_PCT, Ctl::Radio, "%", 282, 55, 20, 10},

        {IDC_TB_ATTR_CHK, Ctl::Check, "その他、&id, class スタイル等を指定", 192, 74, 155, 10, true},
        {IDC_TB_ATTR_EDIT, Ctl::Button, "変更(&X)", 202, 87, 40, 14},
        {IDC_TB_ATTR, Ctl::EditMulti, nullptr, 192, 104, 155, 36},

        {plat::IDOK, Ctl::DefButton, "OK", 243, 145, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 297, 145, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2013);

}  // namespace tq::res
