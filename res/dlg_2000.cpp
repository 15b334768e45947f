// Basic attributes dialog: the shared attributes on the left, events and
// the element-specific attributes (in a frame) on the right.
#include "res/ids/basic_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2000 = {
    IDD_BASIC, "基本属性の設定", 324, 161, 9,
    {
        {IDC_BS_ID_CHK, Ctl::Check, "&ID指定", 7, 9, 60, 10, true},
        {IDC_BS_ID, Ctl::Edit, nullptr, 70, 8, 90, 12},

        {IDC_BS_CLASS_CHK, Ctl::Check, "&CLASS指定", 7, 25, 60, 10, true},
        {IDC_BS_CLASS, Ctl::Edit, nullptr, 70, 24, 90, 12},

        {IDC_BS_TITLE_CHK, Ctl::Check, "&TITLE指定", 7, 41, 60, 10, true},
        {IDC_BS_TITLE, Ctl::Edit, nullptr, 70, 40, 90, 12},

        {IDC_BS_STYLE_CHK, Ctl::Check, "ST&YLEの設定", 7, 58, 80, 10, true},
        {IDC_BS_STYLE, Ctl::EditMulti, nullptr, 7, 71, 153, 30},
        {IDC_BS_STYLE_EDIT, Ctl::Button, "変更(&S)", 128, 55, 32, 14},

        {IDC_BS_LANG_CHK, Ctl::Check, "LA&NG指定", 7, 107, 60, 10, true},
        {IDC_BS_LANG, Ctl::Edit, nullptr, 70, 106, 54, 12},
        {IDC_BS_LANG_LIST, Ctl::Button, "参照(&P)", 128, 105, 32, 14},

        {IDC_BS_DIR_CHK, Ctl::Check, "&DIR指定", 7, 124, 60, 10, true},
        {IDC_BS_DIR, Ctl::Edit, nullptr, 70, 123, 90, 12},

        {IDC_BS_EVENT_CHK, Ctl::Check, "&EVENT(OnClickなど)の設定", 168, 9, 112, 10, true},
        {IDC_BS_EVENT, Ctl::EditMulti, nullptr, 168, 23, 149, 38},
        {IDC_BS_EVENT_EDIT, Ctl::Button, "変更(&V)", 285, 6, 32, 14},

        {plat::IDC_STATIC_, Ctl::Group, nullptr, 168, 65, 149, 89},

        {IDC_BS_ALIGN_CHK, Ctl::Check, "ALI&GN指定", 175, 76, 60, 10, true},
        {IDC_BS_ALIGN, Ctl::Edit, nullptr, 237, 75, 40, 12},
        {IDC_BS_ALIGN_LIST, Ctl::Button, "変更(&A)", 280, 74, 32, 14},

        {IDC_BS_OTHER_CHK, Ctl::Check, "その他", 175, 93, 60, 10, true},
        {IDC_BS_OTHER, Ctl::Edit, nullptr, 237, 92, 40, 12},
        {IDC_BS_OTHER_LIST, Ctl::Button, "変更(&B)", 280, 91, 32, 14},

        {IDC_BS_WIDTH_CHK, Ctl::Check, "&WIDTH", 175, 110, 60, 10, true},
        {IDC_BS_WIDTH, Ctl::Edit, nullptr, 237, 109, 75, 12},

        {IDC_BS_SIZE_CHK, Ctl::Check, "SI&ZE", 175, 127, 60, 10, true},
        {IDC_BS_SIZE, Ctl::Edit, nullptr, 237, 126, 75, 12},

        {IDC_BS_NOSHADE_CHK, Ctl::Check, "NOS&HADE指定", 175, 142, 100, 10, true},

        // Last in the Tab order, after both columns.
        {plat::IDOK, Ctl::DefButton, "OK", 7, 141, 50, 14, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 61, 141, 50, 14},
    }};

static const plat::TemplateRegistration reg(kDlg2000);

}  // namespace tq::res
