// Template and control ids of dialogs/style/style_font_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_STYLE_FONT = 2005,
  IDC_FN_FAMILY_CHK = 1000, IDC_FN_FAMILY, IDC_FN_FAMILY_BROWSE,
  IDC_FN_STYLE_CHK, IDC_FN_STYLE, IDC_FN_STYLE_LIST,
  IDC_FN_VARIANT_CHK, IDC_FN_VARIANT, IDC_FN_VARIANT_LIST,
  IDC_FN_WEIGHT_CHK, IDC_FN_WEIGHT, IDC_FN_WEIGHT_LIST,
  IDC_FN_SIZE_CHK, IDC_FN_SIZEKW_CHK, IDC_FN_SIZEKW, IDC_FN_SIZEKW_LIST,
  IDC_FN_SIZE, IDC_FN_SIZE_SPIN,
  IDC_FN_PT, IDC_FN_PX, IDC_FN_MM, IDC_FN_EM, IDC_FN_PERCENT,  // one radio group, in this order
};

}  // namespace tq
