// TABLE dialog: border, width, summary, frame and rules on the left; cell
// spacing, cell padding and the other attributes on the right.
#include "dialogs/document/table_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2013 = {
    IDD_TABLE, "作表要素の設定", 354, 166, 9,
    {
        {IDC_TB_BORDER_CHK, Ctl::Check, "外枠の幅(&BORDER)", 7, 8, 90, 10, true},
        {IDC_TB_BORDER, Ctl::Edit, nullptr, 100, 7, 40, 12},
        {IDC_TB_BORDER_SPIN, Ctl::UpDown, nullptr, 140, 7, 10, 12},

        {IDC_TB_WIDTH_CHK, Ctl::Check, "表の幅(&WIDTH)", 7, 24, 90, 10, true},
        {IDC_TB_WIDTH, Ctl::Edit, nullptr, 100, 23, 40, 12},
        {IDC_TB_WIDTH_SPIN, Ctl::UpDown, nullptr, 140, 23, 10, 12},
        {IDC_TB_WIDTH_PX, Ctl::Radio, "px", 154, 24, 22, 10, true},
        {IDC_TB_WIDTH_PCT, Ctl::Radio, "%", 177, 24, 20, 10},

        {IDC_TB_SUMMARY_CHK, Ctl::Check, "概要・音声ﾃﾞﾊﾞｲｽ等(S&UMMARY)", 7, 40, 150, 10, true},
        {IDC_TB_SUMMARY, Ctl::EditMulti, nullptr, 17, 52, 177, 20},

        {IDC_TB_FRAME_CHK, Ctl::Check, "外枠の引き方(&FRAME)を指定", 7, 79, 116, 10, true},
        {IDC_TB_FRAME, Ctl::Edit, nullptr, 125, 78, 69, 12},
        {IDC_TB_FRAME_LIST, Ctl::ListSorted, nullptr, 17, 92, 177, 28},

        {IDC_TB_RULES_CHK, Ctl::Check, "罫線(&RULES)の引き方を指定", 7, 126, 116, 10, true},
        {IDC_TB_RULES, Ctl::Edit, nullptr, 125, 125, 69, 12},
        {IDC_TB_RULES_LIST, Ctl::ListSorted, nullptr, 17, 139, 177, 22},

        {IDC_TB_SPACING_CHK, Ctl::Check, "セル間隔(CELL&SPACING)", 205, 8, 140, 10, true},
        {IDC_TB_SPACING, Ctl::Edit, nullptr, 215, 21, 40, 12},
        {IDC_TB_SPACING_SPIN, Ctl::UpDown, nullptr, 255, 21, 10, 12},
        {IDC_TB_SPACING_PX, Ctl::Radio, "px", 271, 22, 22, 10, true},
        {IDC_TB_SPACING_PCT, Ctl::Radio, "%", 295, 22, 20, 10},

        {IDC_TB_PADDING_CHK, Ctl::Check, "セルと枠の間(CELL&PADDING)", 205, 41, 140, 10, true},
        {IDC_TB_PADDING, Ctl::Edit, nullptr, 215, 54, 40, 12},
        {IDC_TB_PADDING_SPIN, Ctl::UpDown, nullptr, 255, 54, 10, 12},
        {IDC_TB_PADDING_PX, Ctl::Radio, "px", 271, 55, 22, 10, true},
        {IDC_TB_PADDING_PCT, Ctl::Radio, "%", 295, 55, 20, 10},

        {IDC_TB_ATTR_CHK, Ctl::Check, "その他、&id, class スタイル等を指定", 205, 74, 142, 10, true},
        {IDC_TB_ATTR_EDIT, Ctl::Button, "変更(&X)", 215, 87, 40, 14},
        {IDC_TB_ATTR, Ctl::EditMulti, nullptr, 205, 104, 142, 36},

        {plat::IDOK, Ctl::DefButton, "OK", 243, 145, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 297, 145, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2013);

}  // namespace tq::res
