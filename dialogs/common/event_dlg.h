// Events dialog: builds the event-handler pairs (onClick = "a()") of an
// element, one per line, remembered under the opener's settings slot.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/event_dlg.h"

namespace tq {

class CEventDlg : public CAttrDialog {
 public:
  explicit CEventDlg(plat::WindowHandle parent) : CAttrDialog(IDD_EVENT, parent) {}
  // Only the id matters; a handed-in text is kept but not used.
  using CAttrDialog::Init;
  void Init(int tagId) { CAttrDialog::Init(tagId, std::string()); }

  std::string m_strEvent;   // event name
  std::string m_strScript;  // script to run
  std::string m_strPairs;   // the accumulated pairs, one per line

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // Appends event = "script" to the pairs, or says what is missing.
  void AddPair();
  void BrowseScript();
};

}  // namespace tq
