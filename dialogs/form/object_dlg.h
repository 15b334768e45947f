// OBJECT and APPLET: one dialog; for APPLET three boxes carry the applet's
// attributes and the object-only boxes are withdrawn.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"

namespace tq {

enum : int {
  IDD_OBJECT = 2019,
  IDC_OB_DECLARE_CHK = 1001,
  IDC_OB_CLASSID_CHK, IDC_OB_CLASSID, IDC_OB_CLASSID_BROWSE,
  IDC_OB_CODEBASE_CHK, IDC_OB_CODEBASE, IDC_OB_CODEBASE_BROWSE,
  IDC_OB_DATA_CHK, IDC_OB_DATA, IDC_OB_DATA_BROWSE,
  IDC_OB_TYPE_CHK, IDC_OB_TYPE, IDC_OB_TYPE_LIST,
  IDC_OB_CODETYPE_CHK, IDC_OB_CODETYPE, IDC_OB_CODETYPE_LIST,
  IDC_OB_ARCHIVE_CHK, IDC_OB_ARCHIVE, IDC_OB_ARCHIVE_ADD,
  IDC_OB_STANDBY_CHK, IDC_OB_STANDBY,
  IDC_OB_WIDTH_CHK, IDC_OB_WIDTH, IDC_OB_WIDTH_SPIN, IDC_OB_WIDTH_PIX, IDC_OB_WIDTH_PCT,
  IDC_OB_HEIGHT_CHK, IDC_OB_HEIGHT, IDC_OB_HEIGHT_SPIN, IDC_OB_HEIGHT_PIX, IDC_OB_HEIGHT_PCT,
  IDC_OB_USEMAP_CHK, IDC_OB_USEMAP,
  IDC_OB_NAME_CHK, IDC_OB_NAME,
  IDC_OB_TABINDEX_CHK, IDC_OB_TABINDEX, IDC_OB_TABINDEX_SPIN,
  IDC_OB_ALIGN_CHK, IDC_OB_ALIGN, IDC_OB_ALIGN_LIST,
  IDC_OB_BORDER_CHK, IDC_OB_BORDER, IDC_OB_BORDER_SPIN, IDC_OB_BORDER_PIX, IDC_OB_BORDER_PCT,
  IDC_OB_HSPACE_CHK, IDC_OB_HSPACE, IDC_OB_HSPACE_SPIN,
  IDC_OB_VSPACE_CHK, IDC_OB_VSPACE, IDC_OB_VSPACE_SPIN,
  IDC_OB_ATTR_CHK, IDC_OB_ATTR, IDC_OB_ATTR_EDIT,
};

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
  bool IsApplet() const { return m_nTagId == cmd::kAppletDetail; }
  int FlagsFromControls() const;
  void AddArchive();
};

}  // namespace tq
