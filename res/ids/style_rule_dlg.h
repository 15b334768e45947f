// Template and control ids of dialogs/style/style_rule_dlg.h: the dialog and its template share them.
#pragma once

namespace tq {

enum : int {
  IDD_STYLE_RULE = 2023,
  IDC_SR_SELECTOR_LABEL = 1000, IDC_SR_SELECTOR, IDC_SR_LIST,
  IDC_SR_STYLE_LABEL, IDC_SR_STYLE, IDC_SR_CHANGE,
};

}  // namespace tq
