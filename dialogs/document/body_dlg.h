// BODY: load and unload scripts, other attributes, background image and
// the five document colours of a BODY around the selection.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/body_dlg.h"

namespace tq {

class CBodyDlg : public CAttrDialog {
 public:
  explicit CBodyDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes (m_strText is the selection).
  std::string m_strALink, m_strBackGround, m_strBGColor, m_strLink, m_strOnLoad, m_strOnUnload, m_strAttr,
      m_strTextColor, m_strVLink;
  // Start colours of the colour dialogs (COLORREF, red in the low byte);
  // not remembered between runs.
  uint32_t m_clrBGColor = 0xFFFFFF, m_clrText = 0x000000, m_clrLink = 0x408000, m_clrALink = 0x0000FF,
           m_clrVLink = 0x400080;

  // Flag bits of "BODY_%dFlag".
  enum : int {
    kOnLoad = 0x1, kOnUnload = 0x2, kAttr = 0x4, kBackGround = 0x8, kBGColor = 0x10, kText = 0x20,
    kLink = 0x40, kALink = 0x80, kVLink = 0x100,
  };
  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // The colour dialog from colour; on OK colour and field take the choice.
  void PickColor(std::string& field, uint32_t& colour);
};

}  // namespace tq
