#include "dialogs/common/runners.h"

#include "dialogs/document/body_dlg.h"
#include "dialogs/document/anchor_dlg.h"
#include "dialogs/document/col_group_dlg.h"
#include "dialogs/common/basic_dlg.h"
#include "dialogs/document/head_dlg.h"
#include "dialogs/document/image_dlg.h"
#include "dialogs/document/script_dlg.h"
#include "dialogs/document/table_cell_dlg.h"
#include "dialogs/document/table_dlg.h"
#include "dialogs/form/form_dlg.h"
#include "dialogs/form/frame_dlg.h"
#include "dialogs/form/form_item_dlg.h"
#include "dialogs/form/frame_set_dlg.h"
#include "dialogs/form/input_dlg.h"
#include "dialogs/form/object_dlg.h"
#include "dialogs/form/param_dlg.h"
#include "dialogs/form/text_area_dlg.h"
#include "dialogs/style/style_rule_dlg.h"

namespace tq {

// Each dialog's runner is declared in its own header and listed here.
const RunnerEntry kRunners[] = {
    {29110, 29114, RunHeadDlg},
    {29115, 29115, RunStyleRuleDlg},  // CStyleRuleDlg
    {29116, 29116, RunBodyDlg},  // CBodyDlg
    {29121, 29132, RunBasicDlg},  // CBasicDlg
    {29140, 29142, RunBasicDlg},  // CBasicDlg
    {29151, 29151, RunTableDlg},  // CTableDlg
    {29152, 29152, RunBasicDlg},  // CBasicDlg
    {29153, 29158, RunColGroupDlg},  // CColGroupDlg
    {29159, 29160, RunTableCellDlg},  // CTableCellDlg
    {29165, 29165, RunFrameSetDlg},  // CFrameSetDlg
    {29166, 29166, RunFrameDlg},  // CFrameDlg
    {29170, 29170, RunScriptDlg},  // CScriptDlg
    {29171, 29171, RunBasicDlg},  // CBasicDlg
    {29172, 29172, RunFormDlg},  // CFormDlg
    {29173, 29173, RunBasicDlg},  // CBasicDlg
    {29401, 29411, RunBasicDlg},  // CBasicDlg
    {29415, 29417, RunBasicDlg},  // CBasicDlg
    {29420, 29428, RunBasicDlg},  // CBasicDlg
    {29435, 29437, RunBasicDlg},  // CBasicDlg
    {29445, 29448, RunAnchorDlg},  // CAnchorDlg
    {29455, 29455, RunImageDlg},  // CImageDlg
    {29456, 29456, RunObjectDlg},  // CObjectDlg
    {29457, 29457, RunParamDlg},  // CParamDlg
    {29458, 29458, RunObjectDlg},  // CObjectDlg
    {29460, 29460, RunFrameDlg},  // CFrameDlg
    {29465, 29465, RunFormItemDlg},  // CFormItemDlg
    {29466, 29466, RunInputDlg},  // CInputDlg
    {29467, 29467, RunTextAreaDlg},  // CTextAreaDlg
    {29468, 29469, RunFormItemDlg},  // CFormItemDlg
    {29470, 29470, RunTextAreaDlg},  // CTextAreaDlg
    {29471, 29471, RunFormItemDlg},  // CFormItemDlg
    {29472, 29472, RunInputDlg},  // CInputDlg
};
const int kRunnerCount = sizeof kRunners / sizeof kRunners[0];

}  // namespace tq
