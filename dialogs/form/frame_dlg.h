// FRAME and IFRAME: one dialog; the inline frame's size and alignment,
// the frame's NORESIZE.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/commands.h"
#include "res/ids/frame_dlg.h"

namespace tq {

class CFrameDlg : public CAttrDialog {
 public:
  explicit CFrameDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strLongDesc, m_strName, m_strMarginWidth, m_strMarginHeight, m_strSrc, m_strWidth,
      m_strHeight, m_strAlign, m_strAttr, m_strScrolling;

  // Flag bits of "FRM_%dFlag".
  enum : int {
    kLongDesc = 0x1, kName = 0x2, kSrc = 0x4, kBorder = 0x8, kNoBorder = 0x10, kMarginWidth = 0x20,
    kMarginHeight = 0x40, kNoResize = 0x80, kScrolling = 0x100, kWidth = 0x200, kWidthPct = 0x400,
    kHeight = 0x800, kHeightPct = 0x1000, kAlign = 0x2000, kAttr = 0x4000,
  };
  // The tag built from the fields and a flag word, apart from any window
  // and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  bool IsInline() const { return m_nTagId == cmd::kIFrameDetail; }
};

}  // namespace tq
