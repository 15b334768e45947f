// BODY: load and unload scripts, other attributes, background image and
// the five document colours of a BODY around the selection.
#pragma once
#include <cstdint>
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

enum : int {
  IDD_BODY = 2031,
  IDC_BD_ONLOAD_CHK = 1001, IDC_BD_ONLOAD, IDC_BD_ONLOAD_BROWSE,
  IDC_BD_ONUNLOAD_CHK, IDC_BD_ONUNLOAD, IDC_BD_ONUNLOAD_BROWSE,
  IDC_BD_ATTR_CHK, IDC_BD_ATTR_EDIT, IDC_BD_ATTR,
  IDC_BD_BKG_CHK, IDC_BD_BKG, IDC_BD_BKG_BROWSE,
  IDC_BD_BGCOLOR_CHK, IDC_BD_BGCOLOR, IDC_BD_BGCOLOR_PICK,
  IDC_BD_TEXT_CHK, IDC_BD_TEXT, IDC_BD_TEXT_PICK,
  IDC_BD_LINK_CHK, IDC_BD_LINK, IDC_BD_LINK_PICK,
  IDC_BD_ALINK_CHK, IDC_BD_ALINK, IDC_BD_ALINK_PICK,
  IDC_BD_VLINK_CHK, IDC_BD_VLINK, IDC_BD_VLINK_PICK,
};

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
  // The element built from the fields and a flag word (and the writes OK
  // makes), apart from any window.
  std::string Build(int flags);

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
