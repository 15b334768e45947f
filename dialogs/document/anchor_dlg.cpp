#include "dialogs/document/anchor_dlg.h"

#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "res/commands.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_AN_CHARSET_CHK, CAnchorDlg::kCharset},     {IDC_AN_TYPE_CHK, CAnchorDlg::kType},
    {IDC_AN_NAME_CHK, CAnchorDlg::kName},           {IDC_AN_NOHREF_CHK, CAnchorDlg::kNoHref},
    {IDC_AN_HREFLANG_CHK, CAnchorDlg::kHrefLang},   {IDC_AN_REL_CHK, CAnchorDlg::kRel},
    {IDC_AN_REV_CHK, CAnchorDlg::kRev},             {IDC_AN_ACCESSKEY_CHK, CAnchorDlg::kAccessKey},
    {IDC_AN_SHAPE_CHK, CAnchorDlg::kShape},         {IDC_AN_TABINDEX_CHK, CAnchorDlg::kTabIndex},
    {IDC_AN_FOCUS_CHK, CAnchorDlg::kOnFocus},       {IDC_AN_BLUR_CHK, CAnchorDlg::kOnBlur},
    {IDC_AN_TARGET_CHK, CAnchorDlg::kTarget},       {IDC_AN_ATTR_CHK, CAnchorDlg::kAttr},
};

const char* const kShapeEntries[] = {
    "default (画像全体)", "rect (長方形)", "circle (円形)", "poly (多角形)",
};

bool IsWholeImage(const std::string& shape) { return SameWordNoCase(shape, "default"); }

}  // namespace

const char* CAnchorDlg::ElementOf(int tagId) {
  switch (tagId) {
    case cmd::kLinkDetail: return "LINK";
    case cmd::kMapDetail: return "MAP";
    case cmd::kAreaDetail: return "AREA";
    default: return "A";
  }
}

int CAnchorDlg::WithdrawnBits(int tagId) {
  switch (tagId) {
    case cmd::kLinkDetail:
      return kName | kNoHref | kAccessKey | kShape | kTabIndex | kOnFocus | kOnBlur;
    case cmd::kMapDetail:
      return kCharset | kType | kNoHref | kHrefLang | kRel | kRev | kAccessKey | kShape | kTabIndex |
             kOnFocus | kOnBlur | kTarget;
    case cmd::kAreaDetail: return kCharset | kType | kName | kHrefLang | kRel | kRev;
    default: return kNoHref;
  }
}

CAnchorDlg::CAnchorDlg(plat::WindowHandle parent) : CAttrDialog(IDD_ANCHOR, parent) {
  Governs(IDC_AN_CHARSET_CHK, {IDC_AN_CHARSET, IDC_AN_CHARSET_LIST});
  Governs(IDC_AN_TYPE_CHK, {IDC_AN_TYPE, IDC_AN_TYPE_LIST});
  Governs(IDC_AN_NAME_CHK, {IDC_AN_NAME});
  Governs(IDC_AN_HREFLANG_CHK, {IDC_AN_HREFLANG, IDC_AN_HREFLANG_LIST});
  Governs(IDC_AN_REL_CHK, {IDC_AN_REL, IDC_AN_REL_LIST});
  Governs(IDC_AN_REV_CHK, {IDC_AN_REV, IDC_AN_REV_LIST});
  Governs(IDC_AN_ACCESSKEY_CHK, {IDC_AN_ACCESSKEY});
  Governs(IDC_AN_SHAPE_CHK, {IDC_AN_SHAPE, IDC_AN_SHAPE_LIST});
  Governs(IDC_AN_TABINDEX_CHK, {IDC_AN_TABINDEX, IDC_AN_TABINDEX_SPIN});
  Governs(IDC_AN_FOCUS_CHK, {IDC_AN_FOCUS, IDC_AN_FOCUS_BROWSE});
  Governs(IDC_AN_BLUR_CHK, {IDC_AN_BLUR, IDC_AN_BLUR_BROWSE});
  Governs(IDC_AN_TARGET_CHK, {IDC_AN_TARGET});
  Governs(IDC_AN_ATTR_CHK, {IDC_AN_ATTR, IDC_AN_ATTR_EDIT});
}

void CAnchorDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_AN_CHARSET, m_strCharset);
  dx.Text(IDC_AN_TYPE, m_strType);
  dx.Text(IDC_AN_NAME, m_strName);
  dx.Text(IDC_AN_HREF, m_strHref);
  dx.Text(IDC_AN_ALT, m_strAlt);
  dx.Text(IDC_AN_HREFLANG, m_strHrefLang);
  dx.Text(IDC_AN_REL, m_strRel);
  dx.Text(IDC_AN_REV, m_strRev);
  dx.Text(IDC_AN_ACCESSKEY, m_strAccessKey);
  dx.Text(IDC_AN_SHAPE, m_strShape);
  dx.Text(IDC_AN_COORDS, m_strCoords);
  dx.Text(IDC_AN_TABINDEX, m_strTabIndex);
  dx.Text(IDC_AN_FOCUS, m_strOnFocus);
  dx.Text(IDC_AN_BLUR, m_strOnBlur);
  dx.Text(IDC_AN_TARGET, m_strTarget);
  dx.Text(IDC_AN_ATTR, m_strAttr);
}

bool CAnchorDlg::OnInitDialog() {
  SetTitle(plat::J("アンカ/リンク/オブジェクトに関する設定 ") + ElementLabel(m_nTagId));
  for (const char* e : kShapeEntries) impl().ListAdd(IDC_AN_SHAPE_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_AN_TABINDEX_SPIN, 1, 32767);

  Load(m_strCharset, "AL_%dCharset");
  Load(m_strType, "AL_%dType");
  Load(m_strName, "AL_%dName");
  Load(m_strHref, "AL_%dHref");
  Load(m_strAlt, "AL_%dAlt");
  Load(m_strHrefLang, "AL_%dHrefLang");
  Load(m_strRel, "AL_%dRel");
  Load(m_strRev, "AL_%dRev");
  Load(m_strAccessKey, "AL_%dAccKey");
  Load(m_strShape, "AL_%dShape", "rect");
  Load(m_strCoords, "AL_%dCoords");
  Load(m_strTabIndex, "AL_%dTabIndex", "1");
  Load(m_strOnFocus, "AL_%dOnFocus");
  Load(m_strOnBlur, "AL_%dOnBlur");
  Load(m_strTarget, "AL_%dTarget");
  Load(m_strAttr, "AL_%dAttr");
  CheckBoxes(kBoxes, GetSettingInt(Name("AL_%dFlag")));

  const int withdrawn = WithdrawnBits(m_nTagId);
  for (const FlagBox& b : kBoxes)
    if (withdrawn & b.bit) Withdraw(b.id);
  const bool isMap = m_nTagId == cmd::kMapDetail;
  // Only AREA has an ALT; a MAP points nowhere, so its browse button would
  // only fill a box that is off.
  const bool altOn = m_nTagId == cmd::kAreaDetail;
  EnableItem(IDC_AN_ALT_LABEL, altOn);
  EnableItem(IDC_AN_ALT, altOn);
  for (int c : {IDC_AN_HREF_LABEL, IDC_AN_HREF, IDC_AN_HREF_BROWSE}) EnableItem(c, !isMap);
  // A map is found by its name.
  if (isMap) Check(IDC_AN_NAME_CHK, 1);

  UpdateData(false);
  ApplyRules();
  return true;
}

void CAnchorDlg::ApplyRules() {
  ApplyDependents();
  bool coords = IsChecked(IDC_AN_SHAPE_CHK) != 0 && IsItemEnabled(IDC_AN_SHAPE_CHK);
  if (coords) {
    UpdateData(true);
    coords = !IsWholeImage(m_strShape);
  }
  EnableItem(IDC_AN_COORDS_LABEL, coords);
  EnableItem(IDC_AN_COORDS, coords);
}

std::string CAnchorDlg::Build(int flags) {
  const char* element = ElementOf(m_nTagId);
  std::string r = std::string("<") + element;
  PutAttr(r, flags & kCharset, "CHARSET", m_strCharset, "AL_%dCharset");
  PutAttr(r, flags & kType, "TYPE", m_strType, "AL_%dType");
  PutAttr(r, flags & kName, "NAME", m_strName, "AL_%dName");
  PutAttr(r, !m_strHref.empty(), "HREF", m_strHref, "AL_%dHref");
  if (flags & kNoHref) r += " NOHREF";
  PutAttr(r, !m_strAlt.empty(), "ALT", m_strAlt, "AL_%dAlt");
  PutAttr(r, flags & kHrefLang, "HREFLANG", m_strHrefLang, "AL_%dHrefLang");
  PutAttr(r, flags & kRel, "REL", m_strRel, "AL_%dRel");
  PutAttr(r, flags & kRev, "REV", m_strRev, "AL_%dRev");
  PutAttr(r, flags & kAccessKey, "ACCESSKEY", m_strAccessKey, "AL_%dAccKey");
  if (flags & kShape) {
    PutAttr(r, true, "SHAPE", m_strShape, "AL_%dShape");
    PutAttr(r, !IsWholeImage(m_strShape) && !m_strCoords.empty(), "COORDS", m_strCoords, "AL_%dCoords");
  }
  PutAttr(r, flags & kTabIndex, "TABINDEX", m_strTabIndex, "AL_%dTabIndex");
  PutAttr(r, flags & kOnFocus, "ONFOCUS", m_strOnFocus, "AL_%dOnFocus");
  PutAttr(r, flags & kOnBlur, "ONBLUR", m_strOnBlur, "AL_%dOnBlur");
  PutAttr(r, flags & kTarget, "TARGET", m_strTarget, "AL_%dTarget");
  PutOtherAttr(r, flags & kAttr, m_strAttr, "AL_%dAttr");
  r += ">" + m_strText;
  PutSettingInt(Name("AL_%dFlag"), flags);
  if (m_nTagId == cmd::kMapDetail) r += "</MAP>";
  else if (m_nTagId != cmd::kLinkDetail && m_nTagId != cmd::kAreaDetail) r += "</A>";
  return r;
}

void CAnchorDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes));
  EndDialog(plat::IDOK);
}

bool CAnchorDlg::OnCommand(int id, int code) {
  if (code == plat::kSelChange && id == IDC_AN_SHAPE_LIST) {
    if (TakeListValue(id, m_strShape)) ApplyRules();
    return true;
  }
  // Only SHAPE itself re-reads the shape text: a shape typed by hand is
  // judged when SHAPE or the list is clicked, not by any other box.
  if (CAttrDialog::OnCommand(id, code)) {
    if (id == IDC_AN_SHAPE_CHK) ApplyRules();
    return true;
  }
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_AN_CHARSET_LIST: ChooseInto(m_strCharset, list::kCharset); return true;
    case IDC_AN_TYPE_LIST: ChooseInto(m_strType, list::kMime); return true;
    case IDC_AN_HREFLANG_LIST: ChooseInto(m_strHrefLang, list::kLang); return true;
    case IDC_AN_REL_LIST: ChooseInto(m_strRel, list::kRel); return true;
    case IDC_AN_REV_LIST: ChooseInto(m_strRev, list::kRev); return true;
    case IDC_AN_HREF_BROWSE: BrowseInto(m_strHref, "Ank_HrefPath", "HREFの指定"); return true;
    case IDC_AN_FOCUS_BROWSE:
      BrowseInto(m_strOnFocus, "Ank_OnFocusPath", "OnFocusスクリプトの指定");
      return true;
    case IDC_AN_BLUR_BROWSE:
      BrowseInto(m_strOnBlur, "Ank_OnBlurPath", "OnBlurスクリプトの指定");
      return true;
    case IDC_AN_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
