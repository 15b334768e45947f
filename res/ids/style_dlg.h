// Template and control ids of dialogs/style/style_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_STYLE = 2003,
  // Per group: check box, edit box, "変更" button, in the order of the flag bits.
  IDC_SY_COLOR_CHK = 1000, IDC_SY_COLOR, IDC_SY_COLOR_CHANGE,
  IDC_SY_FONT_CHK, IDC_SY_FONT, IDC_SY_FONT_CHANGE,
  IDC_SY_TEXT_CHK, IDC_SY_TEXT, IDC_SY_TEXT_CHANGE,
  IDC_SY_MARGIN_CHK, IDC_SY_MARGIN, IDC_SY_MARGIN_CHANGE,
  IDC_SY_BORDER_CHK, IDC_SY_BORDER, IDC_SY_BORDER_CHANGE,
  IDC_SY_ELEMENT_CHK, IDC_SY_ELEMENT, IDC_SY_ELEMENT_CHANGE,
};

}  // namespace tq
