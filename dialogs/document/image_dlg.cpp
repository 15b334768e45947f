#include "dialogs/document/image_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

using D = CImageDlg;
// A pixel length is the bare number; only a percentage is marked.
constexpr const char* kUnitWords[] = {"", "%"};
constexpr RadioBits kWidthUnit = {IDC_IM_WIDTH_PIX, 2, D::kWidthPct, kUnitWords};
constexpr RadioBits kHeightUnit = {IDC_IM_HEIGHT_PIX, 2, D::kHeightPct, kUnitWords};
constexpr RadioBits kBorderUnit = {IDC_IM_BORDER_PIX, 2, D::kBorderPct, kUnitWords};
// clang-format off
constexpr Field<D> kFields[] = {
    // bit         check box            edit box          member             attribute   value
    {0,            0,                   IDC_IM_SRC,       &D::m_strSrc,      "SRC",      "IMG_%dSrc"},
    {0,            0,                   IDC_IM_ALT,       &D::m_strAlt,      "ALT",      "IMG_%dAlt"},
    {D::kLongDesc, IDC_IM_LONGDESC_CHK, IDC_IM_LONGDESC,  &D::m_strLongDesc, "LONGDESC", "IMG_%dLongdesc",
     {IDC_IM_LONGDESC_BROWSE}},
    {D::kWidth,    IDC_IM_WIDTH_CHK,    IDC_IM_WIDTH,     &D::m_strWidth,    "WIDTH",    "IMG_%dWD",
     {IDC_IM_WIDTH_SPIN}, Emit::Unit, "", &kWidthUnit},
    {D::kHeight,   IDC_IM_HEIGHT_CHK,   IDC_IM_HEIGHT,    &D::m_strHeight,   "HEIGHT",   "IMG_%dHGT",
     {IDC_IM_HEIGHT_SPIN}, Emit::Unit, "", &kHeightUnit},
    {D::kUseMap,   IDC_IM_USEMAP_CHK,   IDC_IM_USEMAP,    &D::m_strUseMap,   "USEMAP",   "IMG_%dUsemap"},
    {D::kIsMap,    IDC_IM_ISMAP_CHK,    0,                nullptr,           "ISMAP",    nullptr,
     {}, Emit::Word},
    {D::kAttr,     IDC_IM_ATTR_CHK,     IDC_IM_ATTR,      &D::m_strAttr,     nullptr,    "IMG_%dAttr",
     {IDC_IM_ATTR_EDIT}, Emit::Other},
    {D::kAlign,    IDC_IM_ALIGN_CHK,    IDC_IM_ALIGN,     &D::m_strAlign,    "ALIGN",    "IMG_%dAlign",
     {IDC_IM_ALIGN_LIST}, Emit::Attr, "bottom"},
    {D::kBorder,   IDC_IM_BORDER_CHK,   IDC_IM_BORDER,    &D::m_strBorder,   "BORDER",   "IMG_%dBorder",
     {IDC_IM_BORDER_SPIN}, Emit::Unit, "0", &kBorderUnit},
    {D::kHSpace,   IDC_IM_HSPACE_CHK,   IDC_IM_HSPACE,    &D::m_strHSpace,   "HSPACE",   "IMG_%dHSpace",
     {IDC_IM_HSPACE_SPIN}, Emit::Attr, "0"},
    {D::kVSpace,   IDC_IM_VSPACE_CHK,   IDC_IM_VSPACE,    &D::m_strVSpace,   "VSPACE",   "IMG_%dVSpace",
     {IDC_IM_VSPACE_SPIN}, Emit::Attr, "0"},
};
// clang-format on
constexpr const char* kFlagValue = "IMG_%dFlag";

}  // namespace

CImageDlg::CImageDlg(plat::WindowHandle parent) : CAttrDialog(IDD_IMAGE, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CImageDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CImageDlg::OnInitDialog() {
  for (int spin : {IDC_IM_WIDTH_SPIN, IDC_IM_HEIGHT_SPIN, IDC_IM_BORDER_SPIN, IDC_IM_HSPACE_SPIN, IDC_IM_VSPACE_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CImageDlg::Build(int flags) const {
  std::string r = "<IMG";
  BuildFields(*this, kFields, flags, r);
  return r + ">" + m_strText;
}

void CImageDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
  EndDialog(plat::IDOK);
}

bool CImageDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_IM_SRC_BROWSE: BrowseInto(m_strSrc, "IMG_SrcPath", "画像ファイルの指定"); return true;
    case IDC_IM_LONGDESC_BROWSE: BrowseInto(m_strLongDesc, "IMG_LongdescPath", "LONGDESCファイルの指定"); return true;
    case IDC_IM_ALIGN_LIST: ChooseInto(m_strAlign, list::kImageAlign); return true;
    case IDC_IM_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
