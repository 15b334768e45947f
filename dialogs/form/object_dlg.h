// OBJECT and APPLET: one dialog; for APPLET three boxes carry the applet's
// attributes and the object-only boxes are withdrawn.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"
#include "res/ids/object_dlg.h"

namespace tq {

class CObjectDlg : public CAttrDialog {
 public:
  explicit CObjectDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strAlign, m_strArchive, m_strBorder, m_strClassId, m_strCodeBase, m_strCodeType,
      m_strData, m_strHeight, m_strHSpace, m_strName, m_strAttr, m_strStandby, m_strTabIndex,
      m_strType, m_strUseMap, m_strVSpace, m_strWidth;

  // Flag bits of "OBJ_%dFlag".
  enum : int {
    kDeclare = 0x1, kClassId = 0x2, kCodeBase = 0x4, kData = 0x8, kType = 0x10, kCodeType = 0x20,
    kArchive = 0x40, kStandby = 0x80, kWidth = 0x100, kWidthPct = 0x200, kHeight = 0x800,
    kHeightPct = 0x1000, kUseMap = 0x4000, kName = 0x8000, kTabIndex = 0x10000, kAlign = 0x20000,
    kBorder = 0x40000, kBorderPct = 0x80000, kHSpace = 0x200000, kVSpace = 0x400000,
    kAttr = 0x800000,
    // An APPLET's CODE, OBJECT and ALT, set in place of kData, kStandby and
    // kUseMap, never remembered.
    kCodeOn = 0x1000000, kObjectOn = 0x2000000, kAltOn = 0x4000000,
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
  bool IsApplet() const { return m_nTagId == cmd::kAppletDetail; }
  void AddArchive();
};

}  // namespace tq
