#include "dialogs/form/frame_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_FR_LONGDESC_CHK, CFrameDlg::kLongDesc},  {IDC_FR_NAME_CHK, CFrameDlg::kName},
    {IDC_FR_SRC_CHK, CFrameDlg::kSrc},            {IDC_FR_BORDER_CHK, CFrameDlg::kBorder},
    {IDC_FR_MGNW_CHK, CFrameDlg::kMarginWidth},   {IDC_FR_MGNH_CHK, CFrameDlg::kMarginHeight},
    {IDC_FR_NORESIZE_CHK, CFrameDlg::kNoResize},  {IDC_FR_SCROLL_CHK, CFrameDlg::kScrolling},
    {IDC_FR_WIDTH_CHK, CFrameDlg::kWidth},        {IDC_FR_HEIGHT_CHK, CFrameDlg::kHeight},
    {IDC_FR_ALIGN_CHK, CFrameDlg::kAlign},        {IDC_FR_ATTR_CHK, CFrameDlg::kAttr},
};

}  // namespace

CFrameDlg::CFrameDlg(plat::WindowHandle parent) : CAttrDialog(IDD_FRAME, parent) {
  Governs(IDC_FR_LONGDESC_CHK, {IDC_FR_LONGDESC, IDC_FR_LONGDESC_BROWSE});
  Governs(IDC_FR_NAME_CHK, {IDC_FR_NAME});
  Governs(IDC_FR_SRC_CHK, {IDC_FR_SRC, IDC_FR_SRC_BROWSE});
  Governs(IDC_FR_BORDER_CHK, {IDC_FR_BORDER_ON, IDC_FR_BORDER_OFF});
  Governs(IDC_FR_MGNW_CHK, {IDC_FR_MGNW, IDC_FR_MGNW_SPIN});
  Governs(IDC_FR_MGNH_CHK, {IDC_FR_MGNH, IDC_FR_MGNH_SPIN});
  Governs(IDC_FR_SCROLL_CHK, {IDC_FR_SCROLL, IDC_FR_SCROLL_LIST});
  Governs(IDC_FR_WIDTH_CHK, {IDC_FR_WIDTH, IDC_FR_WIDTH_SPIN, IDC_FR_WIDTH_PX, IDC_FR_WIDTH_PCT});
  Governs(IDC_FR_HEIGHT_CHK, {IDC_FR_HEIGHT, IDC_FR_HEIGHT_SPIN, IDC_FR_HEIGHT_PX, IDC_FR_HEIGHT_PCT});
  Governs(IDC_FR_ALIGN_CHK, {IDC_FR_ALIGN, IDC_FR_ALIGN_LIST});
  Governs(IDC_FR_ATTR_CHK, {IDC_FR_ATTR, IDC_FR_ATTR_EDIT});
}

void CFrameDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_FR_LONGDESC, m_strLongDesc);
  dx.Text(IDC_FR_NAME, m_strName);
  dx.Text(IDC_FR_MGNW, m_strMarginWidth);
  dx.Text(IDC_FR_MGNH, m_strMarginHeight);
  dx.Text(IDC_FR_SRC, m_strSrc);
  dx.Text(IDC_FR_WIDTH, m_strWidth);
  dx.Text(IDC_FR_HEIGHT, m_strHeight);
  dx.Text(IDC_FR_ALIGN, m_strAlign);
  dx.Text(IDC_FR_ATTR, m_strAttr);
  dx.Text(IDC_FR_SCROLL, m_strScrolling);
}

bool CFrameDlg::OnInitDialog() {
  for (int spin : {IDC_FR_MGNW_SPIN, IDC_FR_MGNH_SPIN, IDC_FR_WIDTH_SPIN, IDC_FR_HEIGHT_SPIN})
    impl().SetUpDownRange(spin, 0, 32767);
  SetTitle(ElementLabel(m_nTagId) + plat::J(" の設定"));

  Load(m_strLongDesc, "FRM_%dLondDesc");
  Load(m_strName, "FRM_%dName");
  Load(m_strSrc, "FRM_%dSrc");
  Load(m_strMarginWidth, "FRM_%dMgnW", "1");
  Load(m_strMarginHeight, "FRM_%dMgnH", "1");
  Load(m_strScrolling, "FRM_%dScroll", "auto");
  Load(m_strWidth, "FRM_%dWidth");
  Load(m_strHeight, "FRM_%dHeight");
  Load(m_strAlign, "FRM_%dAlign");
  Load(m_strAttr, "FRM_%dAttr");
  const int flags = GetSettingInt(Name("FRM_%dFlag"));

  CheckBoxes(kBoxes, flags);
  CheckRadio(IDC_FR_BORDER_ON, IDC_FR_BORDER_OFF, (flags & kNoBorder) ? IDC_FR_BORDER_OFF : IDC_FR_BORDER_ON);
  CheckRadio(IDC_FR_WIDTH_PX, IDC_FR_WIDTH_PCT, (flags & kWidthPct) ? IDC_FR_WIDTH_PCT : IDC_FR_WIDTH_PX);
  CheckRadio(IDC_FR_HEIGHT_PX, IDC_FR_HEIGHT_PCT, (flags & kHeightPct) ? IDC_FR_HEIGHT_PCT : IDC_FR_HEIGHT_PX);

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

int CFrameDlg::FlagsFromControls() const {
  int flags = CheckedBits(kBoxes);
  // A choice is kept only with the box that offers it.
  if ((flags & kBorder) && IsChecked(IDC_FR_BORDER_OFF)) flags |= kNoBorder;
  if ((flags & kWidth) && IsChecked(IDC_FR_WIDTH_PCT)) flags |= kWidthPct;
  if ((flags & kHeight) && IsChecked(IDC_FR_HEIGHT_PCT)) flags |= kHeightPct;
  return flags;
}

std::string CFrameDlg::Build(int flags) {
  std::string r = IsInline() ? "<IFRAME" : "<FRAME";
  PutAttr(r, flags & kLongDesc, "LONGDESC", m_strLongDesc, "FRM_%dLondDesc");
  PutAttr(r, flags & kName, "NAME", m_strName, "FRM_%dName");
  PutAttr(r, flags & kSrc, "SRC", m_strSrc, "FRM_%dSrc");
  if (flags & kBorder) r += (flags & kNoBorder) ? " FRAMEBORDER=\"0\"" : " FRAMEBORDER=\"1\"";
  PutAttr(r, flags & kMarginWidth, "MARGINWIDTH", m_strMarginWidth, "FRM_%dMgnW");
  PutAttr(r, flags & kMarginHeight, "MARGINHEIGHT", m_strMarginHeight, "FRM_%dMgnH");
  if (flags & kNoResize) r += " NORESIZE";
  PutAttr(r, flags & kScrolling, "SCROLLING", m_strScrolling, "FRM_%dScroll");
  PutAttr(r, flags & kWidth, "WIDTH", m_strWidth, (flags & kWidthPct) ? "%" : "px", "FRM_%dWidth");
  PutAttr(r, flags & kHeight, "HEIGHT", m_strHeight, (flags & kHeightPct) ? "%" : "px", "FRM_%dHeight");
  PutAttr(r, flags & kAlign, "ALIGN", m_strAlign, "FRM_%dAlign");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "FRM_%dAttr");
  PutSettingInt(Name("FRM_%dFlag"), flags);

  r += ">" + m_strText;
  if (IsInline()) r += "</IFRAME>";
  return r;
}

void CFrameDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(FlagsFromControls());
  EndDialog(plat::IDOK);
}

bool CFrameDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_FR_LONGDESC_BROWSE:
      BrowseInto(m_strLongDesc, "FRM_LongDescPath", "LONGDESCのURI設定");
      return true;
    case IDC_FR_SRC_BROWSE: BrowseInto(m_strSrc, "FRM_SRCPath", "SRCのURI設定"); return true;
    case IDC_FR_SCROLL_LIST: ChooseInto(m_strScrolling, list::kScrolling); return true;
    case IDC_FR_ALIGN_LIST: ChooseInto(m_strAlign, list::kFrameAlign); return true;
    case IDC_FR_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
