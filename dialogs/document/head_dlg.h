// HEAD, TITLE, BASE, META and STYLE: one dialog for the document head.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/head_dlg.h"

namespace tq {

class CHeadDlg : public CAttrDialog {
 public:
  explicit CHeadDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strLang, m_strProfile, m_strHref, m_strType, m_strContent, m_strHttpEquiv,
      m_strMedia, m_strName, m_strScheme, m_strTarget, m_strTitle;

  // Flag bits of "HEAD_%dFlag".
  enum : int {
    kProfile = 0x1, kHref = 0x2, kTarget = 0x4, kTitle = 0x10, kMedia = 0x20, kLang = 0x40,
    kDir = 0x80, kRtl = 0x100, kHttpEquiv = 0x800, kName = 0x1000, kScheme = 0x4000,
    // Set by the element, never remembered: TYPE (STYLE), CONTENT (META).
    kTypeOn = 0x10000, kContentOn = 0x20000,
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
  int ElementBits() const;
};

}  // namespace tq
