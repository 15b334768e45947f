// Style rule for a STYLE element: a selector, typed or picked from a list
// of element names, and its declarations, typed or composed.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/style_rule_dlg.h"

namespace tq {

// The detail command whose element name equals selector (ASCII case
// ignored, double-byte characters compared whole): the first of 29121 to
// 29220, then 29401 to 29500; 0 when none.
int StyleRuleTagId(const std::string& selector);

class CStyleRuleDlg : public CAttrDialog {
 public:
  explicit CStyleRuleDlg(plat::WindowHandle parent);
  // Keeps only the handed-in text: the rule's two values are shared by
  // every use, so there is no settings slot.
  void Init(int tagId, const std::string& handedIn) override;

  std::string m_strSelector, m_strStyle;

  // The rule followed by the handed-in text, apart from any window and any
  // settings (OK saves them after).
  std::string Build() const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  void Compose();
};

}  // namespace tq
