// A, LINK, MAP and AREA: one dialog carries the attributes of all four and
// withdraws at opening what the element of the command does not have.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"
#include "res/ids/anchor_dlg.h"

namespace tq {

class CAnchorDlg : public CAttrDialog {
 public:
  explicit CAnchorDlg(plat::WindowHandle parent);

  // Fields, as exchanged with the edit boxes.
  std::string m_strCharset, m_strType, m_strName, m_strHref, m_strHrefLang, m_strRel, m_strRev,
      m_strAccessKey, m_strShape, m_strCoords, m_strOnFocus, m_strOnBlur, m_strAttr, m_strTabIndex,
      m_strTarget, m_strAlt;

  // Flag bits of "AL_%dFlag".
  enum : int {
    kCharset = 0x1, kType = 0x2, kName = 0x4, kNoHref = 0x8, kHrefLang = 0x10, kRel = 0x20,
    kRev = 0x40, kAccessKey = 0x80, kShape = 0x100, kTabIndex = 0x200, kOnFocus = 0x400,
    kOnBlur = 0x800, kTarget = 0x1000, kAttr = 0x2000,
    // Set while HREF, ALT and (with SHAPE, unless "default") COORDS have a
    // text, never remembered.
    kHrefOn = 0x10000, kAltOn = 0x20000, kCoordsOn = 0x40000,
  };
  // The element of this id: "A", "LINK", "MAP" or "AREA" (A for any other).
  static const char* ElementOf(int tagId);
  // The check boxes the element of this id does not have, as flag bits.
  static int WithdrawnBits(int tagId);

  // The element built from the fields and a flag word, apart from any
  // window and any settings (OK saves them after).
  std::string Build(int flags) const;

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // The dependent-control rule, then COORDS: offered unless the shape is
  // "default".
  void ApplyRules();
  // The bits of HREF, ALT and COORDS for the box bits.
  int TextBits(int flags) const;
};

}  // namespace tq
