// Image dialog: the file, its text, size and map on the left; placement in
// a frame at the top right, the other attributes below it. Each up-down
// control sits in the right end of the number box before it.
#include "res/ids/image_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2017 = {
    IDD_IMAGE, "画像<IMG>の設定", 339, 156, 9,
    {
        {plat::IDC_STATIC_, Ctl::Static, "画像ファイル(SRC)", 7, 8, 120, 8},
        {IDC_IM_SRC, Ctl::Edit, nullptr, 7, 18, 122, 12, true},
        {IDC_IM_SRC_BROWSE, Ctl::Button, "参照(&S)", 133, 17, 36, 14, true},

        {plat::IDC_STATIC_, Ctl::Static, "代替文字列(ALT)", 7, 36, 120, 8},
        {IDC_IM_ALT, Ctl::Edit, nullptr, 7, 46, 162, 12, true},

        {IDC_IM_LONGDESC_CHK, Ctl::Check, "LONGDESC指定", 7, 65, 64, 10, true},
        {IDC_IM_LONGDESC, Ctl::Edit, nullptr, 73, 64, 56, 12},
        {IDC_IM_LONGDESC_BROWSE, Ctl::Button, "参照(&L)", 133, 63, 36, 14},

        {IDC_IM_WIDTH_CHK, Ctl::Check, "WIDTH指定", 7, 83, 64, 10, true},
        {IDC_IM_WIDTH, Ctl::Edit, nullptr, 73, 82, 40, 12},
        {IDC_IM_WIDTH_SPIN, Ctl::UpDown, nullptr, 103, 82, 10, 12},
        {IDC_IM_WIDTH_PIX, Ctl::Radio, "PIX", 117, 83, 26, 10, true},
        {IDC_IM_WIDTH_PCT, Ctl::Radio, "％", 145, 83, 24, 10},

        {IDC_IM_HEIGHT_CHK, Ctl::Check, "HEIGHT指定", 7, 100, 64, 10, true},
        {IDC_IM_HEIGHT, Ctl::Edit, nullptr, 73, 99, 40, 12},
        {IDC_IM_HEIGHT_SPIN, Ctl::UpDown, nullptr, 103, 99, 10, 12},
        {IDC_IM_HEIGHT_PIX, Ctl::Radio, "PIX", 117, 100, 26, 10, true},
        {IDC_IM_HEIGHT_PCT, Ctl::Radio, "％", 145, 100, 24, 10},

        {IDC_IM_USEMAP_CHK, Ctl::Check, "USEMAP指定", 7, 117, 64, 10, true},
        {IDC_IM_USEMAP, Ctl::Edit, nullptr, 73, 116, 96, 12},

        {IDC_IM_ISMAP_CHK, Ctl::Check, "ISMAPを宣言", 7, 135, 80, 10, true},

        {plat::IDC_STATIC_, Ctl::Group, nullptr, 177, 3, 155, 78},
        {IDC_IM_ALIGN_CHK, Ctl::Check, "ALING指定", 184, 14, 56, 10, true},
        {IDC_IM_ALIGN, Ctl::Edit, nullptr, 242, 13, 46, 12},
        {IDC_IM_ALIGN_LIST, Ctl::Button, "参照(&A)", 291, 12, 36, 14},

        {IDC_IM_BORDER_CHK, Ctl::Check, "BORDER指定", 184, 31, 56, 10, true},
        {IDC_IM_BORDER, Ctl::Edit, nullptr, 242, 30, 38, 12},
        {IDC_IM_BORDER_SPIN, Ctl::UpDown, nullptr, 270, 30, 10, 12},
        {IDC_IM_BORDER_PIX, Ctl::Radio, "PIX", 284, 31, 24, 10, true},
        {IDC_IM_BORDER_PCT, Ctl::Radio, "％", 309, 31, 20, 10},

        {IDC_IM_HSPACE_CHK, Ctl::Check, "HSPACE指定", 184, 48, 56, 10, true},
        {IDC_IM_HSPACE, Ctl::Edit, nullptr, 242, 47, 38, 12},
        {IDC_IM_HSPACE_SPIN, Ctl::UpDown, nullptr, 270, 47, 10, 12},

        {IDC_IM_VSPACE_CHK, Ctl::Check, "VSPACE指定", 184, 65, 56, 10, true},
        {IDC_IM_VSPACE, Ctl::Edit, nullptr, 242, 64, 38, 12},
        {IDC_IM_VSPACE_SPIN, Ctl::UpDown, nullptr, 270, 64, 10, 12},

        {IDC_IM_ATTR_CHK, Ctl::Check, "その他、id, class スタイル等を指定", 177, 88, 155, 10, true},
        {IDC_IM_ATTR_EDIT, Ctl::Button, "変更(&B)", 291, 101, 41, 14},
        {IDC_IM_ATTR, Ctl::EditMulti, nullptr, 177, 101, 110, 32},

        {plat::IDOK, Ctl::DefButton, "OK", 228, 138, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 282, 138, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2017);

}  // namespace tq::res
