// OBJECT and APPLET dialog: the object's sources on the left, its size,
// names and placement in the middle, tall OK and Cancel at the right.
#include "res/ids/object_dlg.h"
#include "res/templates.h"

namespace tq::res {

using plat::Ctl;

const plat::DialogTemplate kDlg2019 = {
    IDD_OBJECT, "ﾀﾞｲｱﾛｸﾞ", 379, 196, 9,
    {
        {IDC_OB_DECLARE_CHK, Ctl::Check, "DECLAR指定", 7, 10, 80, 10, true},

        {IDC_OB_CLASSID_CHK, Ctl::Check, "CLASSID", 7, 31, 54, 10, true},
        {IDC_OB_CLASSID, Ctl::Edit, nullptr, 63, 30, 60, 12},
        {IDC_OB_CLASSID_BROWSE, Ctl::Button, "(参照(&C)", 125, 29, 36, 14},

        {IDC_OB_CODEBASE_CHK, Ctl::Check, "CODEBASE", 7, 51, 54, 10, true},
        {IDC_OB_CODEBASE, Ctl::Edit, nullptr, 63, 50, 60, 12},
        {IDC_OB_CODEBASE_BROWSE, Ctl::Button, "参照(&B)", 125, 49, 36, 14},

        {IDC_OB_DATA_CHK, Ctl::Check, "DATA", 7, 71, 54, 10, true},
        {IDC_OB_DATA, Ctl::Edit, nullptr, 63, 70, 60, 12},
        {IDC_OB_DATA_BROWSE, Ctl::Button, "参照(&D)", 125, 69, 36, 14},

        {IDC_OB_TYPE_CHK, Ctl::Check, "TYPE", 7, 91, 54, 10, true},
        {IDC_OB_TYPE, Ctl::Edit, nullptr, 63, 90, 60, 12},
        {IDC_OB_TYPE_LIST, Ctl::Button, "参照(&T)", 125, 89, 36, 14},

        {IDC_OB_CODETYPE_CHK, Ctl::Check, "CODETYPE", 7, 111, 54, 10, true},
        {IDC_OB_CODETYPE, Ctl::Edit, nullptr, 63, 110, 60, 12},
        {IDC_OB_CODETYPE_LIST, Ctl::Button, "参照(&Y)", 125, 109, 36, 14},

        {IDC_OB_ARCHIVE_CHK, Ctl::Check, "ARCHIVE", 7, 131, 54, 10, true},
        {IDC_OB_ARCHIVE, Ctl::Edit, nullptr, 63, 130, 60, 12},
        {IDC_OB_ARCHIVE_ADD, Ctl::Button, "追加(&A)", 125, 129, 36, 14},

        {IDC_OB_STANDBY_CHK, Ctl::Check, "STANDBY文字列", 7, 151, 64, 10, true},
        {IDC_OB_STANDBY, Ctl::Edit, nullptr, 73, 150, 88, 12},

        {IDC_OB_WIDTH_CHK, Ctl::Check, "WIDTH指定", 170, 9, 54, 10, true},
        {IDC_OB_WIDTH, Ctl::Edit, nullptr, 226, 8, 34, 12},
        {IDC_OB_WIDTH_SPIN, Ctl::UpDown, nullptr, 260, 8, 10, 12},
        {IDC_OB_WIDTH_PIX, Ctl::Radio, "PIX", 274, 9, 24, 10, true},
        {IDC_OB_WIDTH_PCT, Ctl::Radio, "％", 300, 9, 20, 10},

        {IDC_OB_HEIGHT_CHK, Ctl::Check, "HEIGHT指定", 170, 24, 54, 10, true},
        {IDC_OB_HEIGHT, Ctl::Edit, nullptr, 226, 23, 34, 12},
        {IDC_OB_HEIGHT_SPIN, Ctl::UpDown, nullptr, 260, 23, 10, 12},
        {IDC_OB_HEIGHT_PIX, Ctl::Radio, "PIX", 274, 24, 24, 10, true},
        {IDC_OB_HEIGHT_PCT, Ctl::Radio, "％", 300, 24, 20, 10},

        {IDC_OB_USEMAP_CHK, Ctl::Check, "USEMAP", 170, 39, 54, 10, true},
        {IDC_OB_USEMAP, Ctl::Edit, nullptr, 226, 38, 94, 12},

        {IDC_OB_NAME_CHK, Ctl::Check, "NAME", 170, 54, 54, 10, true},
        {IDC_OB_NAME, Ctl::Edit, nullptr, 226, 53, 94, 12},

        {IDC_OB_TABINDEX_CHK, Ctl::Check, "TABINDEX指定", 170, 69, 60, 10, true},
        {IDC_OB_TABINDEX, Ctl::Edit, nullptr, 232, 68, 28, 12},
        {IDC_OB_TABINDEX_SPIN, Ctl::UpDown, nullptr, 260, 68, 10, 12},

        {plat::IDC_STATIC_, Ctl::Group, nullptr, 166, 81, 158, 66},
        {IDC_OB_ALIGN_CHK, Ctl::Check, "ALIGN指定", 172, 91, 52, 10, true},
        {IDC_OB_ALIGN, Ctl::Edit, nullptr, 226, 90, 54, 12},
        {IDC_OB_ALIGN_LIST, Ctl::Button, "参照(&A)", 284, 89, 34, 14},

        {IDC_OB_BORDER_CHK, Ctl::Check, "BORDER指定", 172, 106, 52, 10, true},
        {IDC_OB_BORDER, Ctl::Edit, nullptr, 226, 105, 34, 12},
        {IDC_OB_BORDER_SPIN, Ctl::UpDown, nullptr, 260, 105, 10, 12},
        {IDC_OB_BORDER_PIX, Ctl::Radio, "PIX", 274, 106, 24, 10, true},
        {IDC_OB_BORDER_PCT, Ctl::Radio, "％", 300, 106, 20, 10},

        {IDC_OB_HSPACE_CHK, Ctl::Check, "HSPACE指定", 172, 120, 52, 10, true},
        {IDC_OB_HSPACE, Ctl::Edit, nullptr, 226, 119, 34, 12},
        {IDC_OB_HSPACE_SPIN, Ctl::UpDown, nullptr, 260, 119, 10, 12},

        {IDC_OB_VSPACE_CHK, Ctl::Check, "VSPACE指定", 172, 134, 52, 10, true},
        {IDC_OB_VSPACE, Ctl::Edit, nullptr, 226, 133, 34, 12},
        {IDC_OB_VSPACE_SPIN, Ctl::UpDown, nullptr, 260, 133, 10, 12},

        {IDC_OB_ATTR_CHK, Ctl::Check, "その他、id, class スタイル等を指定", 170, 151, 150, 10, true},
        {IDC_OB_ATTR, Ctl::EditMulti, nullptr, 170, 164, 112, 26},
        {IDC_OB_ATTR_EDIT, Ctl::Button, "変更(&B)", 286, 164, 34, 14},

        {plat::IDOK, Ctl::DefButton, "OK", 328, 7, 44, 40, true},
        {plat::IDCANCEL, Ctl::Button, "ｷｬﾝｾﾙ", 328, 52, 44, 40},
    }};

static const plat::TemplateRegistration reg(kDlg2019);

}  // namespace tq::res
