#include "dialogs/document/image_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_IM_LONGDESC_CHK, CImageDlg::kLongDesc}, {IDC_IM_WIDTH_CHK, CImageDlg::kWidth},
    {IDC_IM_HEIGHT_CHK, CImageDlg::kHeight},     {IDC_IM_USEMAP_CHK, CImageDlg::kUseMap},
    {IDC_IM_ISMAP_CHK, CImageDlg::kIsMap},       {IDC_IM_ATTR_CHK, CImageDlg::kAttr},
    {IDC_IM_ALIGN_CHK, CImageDlg::kAlign},       {IDC_IM_BORDER_CHK, CImageDlg::kBorder},
    {IDC_IM_HSPACE_CHK, CImageDlg::kHSpace},     {IDC_IM_VSPACE_CHK, CImageDlg::kVSpace},
};

// A length's unit pair: its box, the "％" button and the unit bit.
struct UnitPair {
  int box, pix, pct, bit;
};
constexpr UnitPair kUnits[] = {
    {CImageDlg::kWidth, IDC_IM_WIDTH_PIX, IDC_IM_WIDTH_PCT, CImageDlg::kWidthPct},
    {CImageDlg::kHeight, IDC_IM_HEIGHT_PIX, IDC_IM_HEIGHT_PCT, CImageDlg::kHeightPct},
    {CImageDlg::kBorder, IDC_IM_BORDER_PIX, IDC_IM_BORDER_PCT, CImageDlg::kBorderPct},
};

}  // namespace

CImageDlg::CImageDlg(plat::WindowHandle parent) : CAttrDialog(IDD_IMAGE, parent) {
  Governs(IDC_IM_LONGDESC_CHK, {IDC_IM_LONGDESC, IDC_IM_LONGDESC_BROWSE});
  Governs(IDC_IM_WIDTH_CHK, {IDC_IM_WIDTH, IDC_IM_WIDTH_SPIN, IDC_IM_WIDTH_PIX, IDC_IM_WIDTH_PCT});
  Governs(IDC_IM_HEIGHT_CHK, {IDC_IM_HEIGHT, IDC_IM_HEIGHT_SPIN, IDC_IM_HEIGHT_PIX, IDC_IM_HEIGHT_PCT});
  Governs(IDC_IM_USEMAP_CHK, {IDC_IM_USEMAP});
  Governs(IDC_IM_ATTR_CHK, {IDC_IM_ATTR, IDC_IM_ATTR_EDIT});
  Governs(IDC_IM_ALIGN_CHK, {IDC_IM_ALIGN, IDC_IM_ALIGN_LIST});
  Governs(IDC_IM_BORDER_CHK, {IDC_IM_BORDER, IDC_IM_BORDER_SPIN, IDC_IM_BORDER_PIX, IDC_IM_BORDER_PCT});
  Governs(IDC_IM_HSPACE_CHK, {IDC_IM_HSPACE, IDC_IM_HSPACE_SPIN});
  Governs(IDC_IM_VSPACE_CHK, {IDC_IM_VSPACE, IDC_IM_VSPACE_SPIN});
}

void CImageDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_IM_SRC, m_strSrc);
  dx.Text(IDC_IM_ALT, m_strAlt);
  dx.Text(IDC_IM_LONGDESC, m_strLongDesc);
  dx.Text(IDC_IM_WIDTH, m_strWidth);
  dx.Text(IDC_IM_HEIGHT, m_strHeight);
  dx.Text(IDC_IM_USEMAP, m_strUseMap);
  dx.Text(IDC_IM_ALIGN, m_strAlign);
  dx.Text(IDC_IM_BORDER, m_strBorder);
  dx.Text(IDC_IM_HSPACE, m_strHSpace);
  dx.Text(IDC_IM_VSPACE, m_strVSpace);
  dx.Text(IDC_IM_ATTR, m_strAttr);
}

bool CImageDlg::OnInitDialog() {
  for (int spin : {IDC_IM_WIDTH_SPIN, IDC_IM_HEIGHT_SPIN, IDC_IM_BORDER_SPIN, IDC_IM_HSPACE_SPIN,
                   IDC_IM_VSPACE_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);

  Load(m_strSrc, "IMG_%dSrc");
  Load(m_strAlt, "IMG_%dAlt");
  Load(m_strLongDesc, "IMG_%dLongdesc");
  Load(m_strWidth, "IMG_%dWD");
  Load(m_strHeight, "IMG_%dHGT");
  Load(m_strUseMap, "IMG_%dUsemap");
  Load(m_strAttr, "IMG_%dAttr");
  Load(m_strAlign, "IMG_%dAlign", "bottom");
  Load(m_strBorder, "IMG_%dBorder", "0");
  Load(m_strHSpace, "IMG_%dHSpace", "0");
  Load(m_strVSpace, "IMG_%dVSpace", "0");
  const int flags = GetSettingInt(Name("IMG_%dFlag"));

  CheckBoxes(kBoxes, flags);
  for (const UnitPair& u : kUnits) CheckRadio(u.pix, u.pct, (flags & u.bit) ? u.pct : u.pix);

  UpdateData(false);
  ApplyDependents();
  return true;
}

int CImageDlg::FlagsFromControls() const {
  int flags = CheckedBits(kBoxes);
  // A unit is kept only with the box that offers it.
  for (const UnitPair& u : kUnits)
    if ((flags & u.box) && IsChecked(u.pct)) flags |= u.bit;
  return flags;
}

std::string CImageDlg::Build(int flags) {
  std::string r = "<IMG SRC=\"" + m_strSrc + "\" ALT=\"" + m_strAlt + "\"";
  PutSetting(Name("IMG_%dSrc"), m_strSrc);
  PutSetting(Name("IMG_%dAlt"), m_strAlt);
  // A pixel length is the bare number; only a percentage is marked.
  PutAttr(r, flags & kLongDesc, "LONGDESC", m_strLongDesc, "IMG_%dLongdesc");
  PutAttr(r, flags & kWidth, "WIDTH", m_strWidth, (flags & kWidthPct) ? "%" : "", "IMG_%dWD");
  PutAttr(r, flags & kHeight, "HEIGHT", m_strHeight, (flags & kHeightPct) ? "%" : "", "IMG_%dHGT");
  PutAttr(r, flags & kUseMap, "USEMAP", m_strUseMap, "IMG_%dUsemap");
  if (flags & kIsMap) r += " ISMAP";
  PutOtherAttr(r, flags & kAttr, m_strAttr, "IMG_%dAttr");
  PutAttr(r, flags & kAlign, "ALIGN", m_strAlign, "IMG_%dAlign");
  PutAttr(r, flags & kBorder, "BORDER", m_strBorder, (flags & kBorderPct) ? "%" : "", "IMG_%dBorder");
  PutAttr(r, flags & kHSpace, "HSPACE", m_strHSpace, "IMG_%dHSpace");
  PutAttr(r, flags & kVSpace, "VSPACE", m_strVSpace, "IMG_%dVSpace");
  PutSettingInt(Name("IMG_%dFlag"), flags);
  return r + ">" + m_strText;
}

void CImageDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(FlagsFromControls());
  EndDialog(plat::IDOK);
}

bool CImageDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_IM_SRC_BROWSE: BrowseInto(m_strSrc, "IMG_SrcPath", "画像ファイルの指定"); return true;
    case IDC_IM_LONGDESC_BROWSE:
      BrowseInto(m_strLongDesc, "IMG_LongdescPath", "LONGDESCファイルの指定");
      return true;
    case IDC_IM_ALIGN_LIST: ChooseInto(m_strAlign, list::kImageAlign); return true;
    case IDC_IM_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
