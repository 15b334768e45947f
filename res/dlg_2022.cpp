// FRAME and IFRAME dialog: the frame's attributes on the left, the inline
// frame's size, alignment and the other attributes on the right.
#include "res/ids/frame_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2022 = {
    IDD_FRAME, "ﾀﾞｲｱﾛｸﾞ", 309, 171, 9,
    {
        {IDC_FR_LONGDESC_CHK, Ctl::Check, "&LONGDESC指定", 7, 9, 70, 10, true},
        {IDC_FR_LONGDESC, Ctl::Edit, nullptr, 79, 8, 48, 12},
        {IDC_FR_LONGDESC_BROWSE, Ctl::Button, "参照(&O)", 131, 7, 32, 14},

        {IDC_FR_NAME_CHK, Ctl::Check, "&NAME指定", 7, 26, 70, 10, true},
        {IDC_FR_NAME, Ctl::Edit, nullptr, 79, 25, 84, 12},

        {IDC_FR_SRC_CHK, Ctl::Check, "&SRC指定", 7, 43, 70, 10, true},
        {IDC_FR_SRC, Ctl::Edit, nullptr, 79, 42, 48, 12},
        {IDC_FR_SRC_BROWSE, Ctl::Button, "参照(&R)", 131, 41, 32, 14},

        {IDC_FR_BORDER_CHK, Ctl::Check, "FRAME&BORDER指定", 7, 60, 90, 10, true},
        {IDC_FR_BORDER_ON, Ctl::Radio, "境界を描く(&D)", 17, 74, 64, 10, true},
        {IDC_FR_BORDER_OFF, Ctl::Radio, "境界を描かない(&N)", 83, 74, 80, 10},

        {IDC_FR_MGNW_CHK, Ctl::Check, "MARGING&WIDTH指定", 7, 92, 90, 10, true},
        {IDC_FR_MGNW, Ctl::Edit, nullptr, 99, 91, 40, 12},
        {IDC_FR_MGNW_SPIN, Ctl::UpDown, nullptr, 139, 91, 10, 12},

        {IDC_FR_MGNH_CHK, Ctl::Check, "MARGIN&HEIGHT指定", 7, 109, 90, 10, true},
        {IDC_FR_MGNH, Ctl::Edit, nullptr, 99, 108, 40, 12},
        {IDC_FR_MGNH_SPIN, Ctl::UpDown, nullptr, 139, 108, 10, 12},

        {IDC_FR_NORESIZE_CHK, Ctl::Check, "ｻｲｽﾞ変更禁止(NORESI&ZE)", 7, 126, 110, 10, true},

        {IDC_FR_SCROLL_CHK, Ctl::Check, "ｽｸﾛｰﾙﾊﾞｰ表示/非表示（SCRO&LLING)", 166, 9, 138, 10, true},
        {IDC_FR_SCROLL, Ctl::Edit, nullptr, 178, 22, 88, 12},
        {IDC_FR_SCROLL_LIST, Ctl::Button, "参照(&G)", 270, 21, 32, 14},

        {IDC_FR_WIDTH_CHK, Ctl::Check, "ｲﾝﾗｲﾝﾌﾚｰﾑ幅(W&IDTH)", 166, 42, 138, 10, true},
        {IDC_FR_WIDTH, Ctl::Edit, nullptr, 178, 55, 46, 12},
        {IDC_FR_WIDTH_SPIN, Ctl::UpDown, nullptr, 224, 55, 10, 12},
        {IDC_FR_WIDTH_PX, Ctl::Radio, "px", 240, 56, 26, 10, true},
        {IDC_FR_WIDTH_PCT, Ctl::Radio, "%", 270, 56, 26, 10},

        {IDC_FR_HEIGHT_CHK, Ctl::Check, "ｲﾝﾗｲﾝﾌﾚｰﾑ高(H&EIGHT)", 166, 75, 138, 10, true},
        {IDC_FR_HEIGHT, Ctl::Edit, nullptr, 178, 88, 46, 12},
        {IDC_FR_HEIGHT_SPIN, Ctl::UpDown, nullptr, 224, 88, 10, 12},
        {IDC_FR_HEIGHT_PX, Ctl::Radio, "px", 240, 89, 26, 10, true},
        {IDC_FR_HEIGHT_PCT, Ctl::Radio, "%", 270, 89, 26, 10},

        {IDC_FR_ALIGN_CHK, Ctl::Check, "&ALIGN指定", 166, 108, 66, 10, true},
        {IDC_FR_ALIGN, Ctl::Edit, nullptr, 234, 107, 32, 12},
        {IDC_FR_ALIGN_LIST, Ctl::Button, "参照(&A)", 270, 106, 32, 14},

        {IDC_FR_ATTR_CHK, Ctl::Check, "id, class スタイル等を指定", 166, 125, 138, 10, true},
        {IDC_FR_ATTR, Ctl::EditMulti, nullptr, 166, 138, 100, 26},
        {IDC_FR_ATTR_EDIT, Ctl::Button, "変更(&R)", 270, 138, 32, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 7, 150, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 150, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2022);

}  // namespace tq::res
