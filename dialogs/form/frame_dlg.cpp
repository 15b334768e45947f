#include "dialogs/form/frame_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"

namespace tq {

namespace {

using D = CFrameDlg;
constexpr const char* kBorderWords[] = {"1", "0"};
constexpr RadioBits kBorderRadios = {IDC_FR_BORDER_ON, 2, D::kNoBorder, kBorderWords};
constexpr const char* kUnitWords[] = {"px", "%"};
constexpr RadioBits kWidthUnit = {IDC_FR_WIDTH_PX, 2, D::kWidthPct, kUnitWords};
constexpr RadioBits kHeightUnit = {IDC_FR_HEIGHT_PX, 2, D::kHeightPct, kUnitWords};
// clang-format off
constexpr Field<D> kFields[] = {
    // bit              check box             edit box          member                attribute       value
    {D::kLongDesc,      IDC_FR_LONGDESC_CHK,  IDC_FR_LONGDESC,  &D::m_strLongDesc,     "LONGDESC",     "FRM_%dLondDesc",
     {IDC_FR_LONGDESC_BROWSE}},
    {D::kName,          IDC_FR_NAME_CHK,      IDC_FR_NAME,      &D::m_strName,         "NAME",         "FRM_%dName"},
    {D::kSrc,           IDC_FR_SRC_CHK,       IDC_FR_SRC,       &D::m_strSrc,          "SRC",          "FRM_%dSrc",
     {IDC_FR_SRC_BROWSE}},
    {D::kBorder,        IDC_FR_BORDER_CHK,    0,                nullptr,               "FRAMEBORDER",  nullptr,
     {}, Emit::Choice, "", &kBorderRadios},
    {D::kMarginWidth,   IDC_FR_MGNW_CHK,      IDC_FR_MGNW,      &D::m_strMarginWidth,  "MARGINWIDTH",  "FRM_%dMgnW",
     {IDC_FR_MGNW_SPIN}, Emit::Attr, "1"},
    {D::kMarginHeight,  IDC_FR_MGNH_CHK,      IDC_FR_MGNH,      &D::m_strMarginHeight, "MARGINHEIGHT", "FRM_%dMgnH",
     {IDC_FR_MGNH_SPIN}, Emit::Attr, "1"},
    {D::kNoResize,      IDC_FR_NORESIZE_CHK,  0,                nullptr,               "NORESIZE",     nullptr,
     {}, Emit::Word},
    {D::kScrolling,     IDC_FR_SCROLL_CHK,    IDC_FR_SCROLL,    &D::m_strScrolling,    "SCROLLING",    "FRM_%dScroll",
     {IDC_FR_SCROLL_LIST}, Emit::Attr, "auto"},
    {D::kWidth,         IDC_FR_WIDTH_CHK,     IDC_FR_WIDTH,     &D::m_strWidth,        "WIDTH",        "FRM_%dWidth",
     {IDC_FR_WIDTH_SPIN}, Emit::Unit, "", &kWidthUnit},
    {D::kHeight,        IDC_FR_HEIGHT_CHK,    IDC_FR_HEIGHT,    &D::m_strHeight,       "HEIGHT",       "FRM_%dHeight",
     {IDC_FR_HEIGHT_SPIN}, Emit::Unit, "", &kHeightUnit},
    {D::kAlign,         IDC_FR_ALIGN_CHK,     IDC_FR_ALIGN,     &D::m_strAlign,        "ALIGN",        "FRM_%dAlign",
     {IDC_FR_ALIGN_LIST}},
    {D::kAttr,          IDC_FR_ATTR_CHK,      IDC_FR_ATTR,      &D::m_strAttr,         nullptr,        "FRM_%dAttr",
     {IDC_FR_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "FRM_%dFlag";

}  // namespace

CFrameDlg::CFrameDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FRAME, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CFrameDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CFrameDlg::OnInitDialog() {
  for (int spin : {IDC_FR_MGNW_SPIN, IDC_FR_MGNH_SPIN, IDC_FR_WIDTH_SPIN, IDC_FR_HEIGHT_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J(" の設定"));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  if (IsInline()) {
    Withdraw(IDC_FR_NORESIZE_CHK);
  } else {
    Withdraw(IDC_FR_ALIGN_CHK);
    Withdraw(IDC_FR_WIDTH_CHK);
    Withdraw(IDC_FR_HEIGHT_CHK);
  }

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CFrameDlg::Build(int flags) const {
  std::string r = IsInline() ? "<IFRAME" : "<FRAME";
  BuildFields(*this, kFields, flags, r);
  r += ">" + m_strText;
  if (IsInline()) r += "</IFRAME>";
  return r;
}

void CFrameDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CFrameDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FR_LONGDESC_BROWSE: BrowseInto(m_strLongDesc, "FRM_LongDescPath", "LONGDESCのURI設定"); return true;
    case IDC_FR_SRC_BROWSE: BrowseInto(m_strSrc, "FRM_SRCPath", "SRCのURI設定"); return true;
    case IDC_FR_SCROLL_LIST: ChooseInto(m_strScrolling, list::kScrolling); return true;
    case IDC_FR_ALIGN_LIST: ChooseInto(m_strAlign, list::kFrameAlign); return true;
    case IDC_FR_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
