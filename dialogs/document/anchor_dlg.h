// A, LINK, MAP and AREA: one dialog carries the attributes of all four and
// withdraws at opening what the element of the command does not have.
#pragma once
#include <string>

#include "dialogs/common/attr_dialog.h"

namespace tq {

enum : int {
  IDD_ANCHOR = 2016,
  IDC_AN_CHARSET_CHK = 1001, IDC_AN_CHARSET, IDC_AN_CHARSET_LIST,
  IDC_AN_TYPE_CHK, IDC_AN_TYPE, IDC_AN_TYPE_LIST,
  IDC_AN_NAME_CHK, IDC_AN_NAME,
  IDC_AN_HREF_LABEL, IDC_AN_HREF, IDC_AN_HREF_BROWSE,
  IDC_AN_NOHREF_CHK,
  IDC_AN_ALT_LABEL, IDC_AN_ALT,
  IDC_AN_HREFLANG_CHK, IDC_AN_HREFLANG, IDC_AN_HREFLANG_LIST,
  IDC_AN_REL_CHK, IDC_AN_REL, IDC_AN_REL_LIST,
  IDC_AN_REV_CHK, IDC_AN_REV, IDC_AN_REV_LIST,
  IDC_AN_ACCESSKEY_CHK, IDC_AN_ACCESSKEY,
  IDC_AN_SHAPE_CHK, IDC_AN_SHAPE, IDC_AN_SHAPE_LIST,
  IDC_AN_COORDS_LABEL, IDC_AN_COORDS,
  IDC_AN_TABINDEX_CHK, IDC_AN_TABINDEX, IDC_AN_TABINDEX_SPIN,
  IDC_AN_FOCUS_CHK, IDC_AN_FOCUS, IDC_AN_FOCUS_BROWSE,
  IDC_AN_BLUR_CHK, IDC_AN_BLUR, IDC_AN_BLUR_BROWSE,
  IDC_AN_TARGET_CHK, IDC_AN_TARGET,
  IDC_AN_ATTR_CHK, IDC_AN_ATTR_EDIT, IDC_AN_ATTR,
};

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
  };
  // The element of this id: "A", "LINK", "MAP" or "AREA" (A for any other).
  static const char* ElementOf(int tagId);
  // The check boxes the element of this id does not have, as flag bits.
  static int WithdrawnBits(int tagId);

  // The element built from the fields and a flag word (and the writes OK
  // makes), apart from any window.
  std::string Build(int flags);

 protected:
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int code) override;

 private:
  // The dependent-control rule, then COORDS: offered unless the shape is
  // "default".
  void ApplyRules();
};

}  // namespace tq
