// IMG: the image file and its text, size, map, placement and the other
// attributes, followed by the selection (IMG has no end tag).
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/image_dlg.h"

namespace tq {

class CImageDlg : public CAttrDialog {
 public:
  explicit CImageDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strSrc, m_strAlt, m_strLongDesc, m_strWidth, m_strHeight, m_strUseMap, m_strAlign,
      m_strBorder, m_strHSpace, m_strVSpace, m_strAttr;

  // Flag bits of "IMG_%dFlag".
  enum : int {
    kLongDesc = 0x1, kWidth = 0x2, kWidthPct = 0x4, kHeight = 0x10, kHeightPct = 0x20, kUseMap = 0x80,
    kIsMap = 0x100, kAttr = 0x200, kAlign = 0x800, kBorder = 0x1000, kBorderPct = 0x2000,
    kHSpace = 0x4000, kVSpace = 0x10000,
  };
  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace tq
