#include "app/runners.h"

#include "dialogs/common/basic_dlg.h"
#include "dialogs/document/anchor_dlg.h"
#include "dialogs/document/body_dlg.h"
#include "dialogs/document/col_group_dlg.h"
#include "dialogs/document/head_dlg.h"
#include "dialogs/document/image_dlg.h"
#include "dialogs/document/script_dlg.h"
#include "dialogs/document/table_cell_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "dialogs/form/form_dlg.h"
#include "dialogs/form/form_item_dlg.h"
#include "dialogs/form/frame_dlg.h"
#include "dialogs/form/frame_set_dlg.h"
#include "dialogs/form/input_dlg.h"
#include "dialogs/form/object_dlg.h"
#include "dialogs/form/param_dlg.h"
#include "dialogs/form/text_area_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "dialogs/style/style_rule_dlg.h"

namespace tq {

namespace {

// In the order of Dialog.
constexpr Runner kRunners[] = {
    nullptr,
    RunDialog<CHeadDlg>,
    RunDialog<CStyleRuleDlg>,
    RunDialog<CBodyDlg>,
    RunDialog<CBasicDlg>,
    RunDialog<CTableDlg>,
    RunDialog<CColGroupDlg>,
    RunDialog<CTableCellDlg>,
    RunDialog<CFrameSetDlg>,
    RunDialog<CFrameDlg>,
    RunDialog<CScriptDlg>,
    RunDialog<CFormDlg>,
    RunDialog<CAnchorDlg>,
    RunDialog<CImageDlg>,
    RunDialog<CObjectDlg>,
    RunDialog<CParamDlg>,
    RunDialog<CFormItemDlg>,
    RunDialog<CInputDlg>,
    RunDialog<CTextAreaDlg>,
};
static_assert(sizeof kRunners / sizeof kRunners[0] == static_cast<size_t>(Dialog::kCount));

// The basic dialog's STYLE button opens the style dialogs, a layer above it.
[[maybe_unused]] const bool kStyleEditorInstalled = (SetStyleEditor(EditStyleAttribute), true);

}  // namespace

Runner DialogRunner(Dialog d) { return kRunners[static_cast<size_t>(d)]; }

}  // namespace tq
