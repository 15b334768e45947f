#include "dialogs/document/anchor_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CAnchorDlg;
// clang-format off
constexpr Field<D> kFields[] = {
    // bit          check box             edit box          member             attribute    value
    {D::kCharset,   IDC_AN_CHARSET_CHK,   IDC_AN_CHARSET,   &D::m_strCharset,   "CHARSET",   "AL_%dCharset",
     {IDC_AN_CHARSET_LIST}},
    {D::kType,      IDC_AN_TYPE_CHK,      IDC_AN_TYPE,      &D::m_strType,      "TYPE",      "AL_%dType",
     {IDC_AN_TYPE_LIST}},
    {D::kName,      IDC_AN_NAME_CHK,      IDC_AN_NAME,      &D::m_strName,      "NAME",      "AL_%dName"},
    {D::kHrefOn,    0,                    IDC_AN_HREF,      &D::m_strHref,      "HREF",      "AL_%dHref"},
    {D::kNoHref,    IDC_AN_NOHREF_CHK,    0,                nullptr,            "NOHREF",    nullptr,
     {}, Emit::Word},
    {D::kAltOn,     0,                    IDC_AN_ALT,       &D::m_strAlt,       "ALT",       "AL_%dAlt"},
    {D::kHrefLang,  IDC_AN_HREFLANG_CHK,  IDC_AN_HREFLANG,  &D::m_strHrefLang,  "HREFLANG",  "AL_%dHrefLang",
     {IDC_AN_HREFLANG_LIST}},
    {D::kRel,       IDC_AN_REL_CHK,       IDC_AN_REL,       &D::m_strRel,       "REL",       "AL_%dRel",
     {IDC_AN_REL_LIST}},
    {D::kRev,       IDC_AN_REV_CHK,       IDC_AN_REV,       &D::m_strRev,       "REV",       "AL_%dRev",
     {IDC_AN_REV_LIST}},
    {D::kAccessKey, IDC_AN_ACCESSKEY_CHK, IDC_AN_ACCESSKEY, &D::m_strAccessKey, "ACCESSKEY", "AL_%dAccKey"},
    {D::kShape,     IDC_AN_SHAPE_CHK,     IDC_AN_SHAPE,     &D::m_strShape,     "SHAPE",     "AL_%dShape",
     {IDC_AN_SHAPE_LIST}, Emit::Attr, "rect"},
    {D::kCoordsOn,  0,                    IDC_AN_COORDS,    &D::m_strCoords,    "COORDS",    "AL_%dCoords"},
    {D::kTabIndex,  IDC_AN_TABINDEX_CHK,  IDC_AN_TABINDEX,  &D::m_strTabIndex,  "TABINDEX",  "AL_%dTabIndex",
     {IDC_AN_TABINDEX_SPIN}, Emit::Attr, "1"},
    {D::kOnFocus,   IDC_AN_FOCUS_CHK,     IDC_AN_FOCUS,     &D::m_strOnFocus,   "ONFOCUS",   "AL_%dOnFocus",
     {IDC_AN_FOCUS_BROWSE}},
    {D::kOnBlur,    IDC_AN_BLUR_CHK,      IDC_AN_BLUR,      &D::m_strOnBlur,    "ONBLUR",    "AL_%dOnBlur",
     {IDC_AN_BLUR_BROWSE}},
    {D::kTarget,    IDC_AN_TARGET_CHK,    IDC_AN_TARGET,    &D::m_strTarget,    "TARGET",    "AL_%dTarget"},
    {D::kAttr,      IDC_AN_ATTR_CHK,      IDC_AN_ATTR,      &D::m_strAttr,      nullptr,     "AL_%dAttr",
     {IDC_AN_ATTR_EDIT}, Emit::Other},
};
// clang-format on
constexpr const char* kFlagValue = "AL_%dFlag";
// Set by the texts, not by a box: never remembered.
constexpr int kTextBits = D::kHrefOn | D::kAltOn | D::kCoordsOn;

const char* const kShapeEntries[] = {
    "default (画像全体)",
    "rect (長方形)",
    "circle (円形)",
    "poly (多角形)",
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
    case cmd::kLinkDetail: return kName | kNoHref | kAccessKey | kShape | kTabIndex | kOnFocus | kOnBlur;
    case cmd::kMapDetail:
      return kCharset | kType | kNoHref | kHrefLang | kRel | kRev | kAccessKey | kShape | kTabIndex | kOnFocus |
             kOnBlur | kTarget;
    case cmd::kAreaDetail: return kCharset | kType | kName | kHrefLang | kRel | kRev;
    default: return kNoHref;
  }
}

CAnchorDlg::CAnchorDlg(plat::WindowHandle parent) : CAttrDialog(IDD_ANCHOR, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CAnchorDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CAnchorDlg::OnInitDialog() {
  SetTitle(plat::J("アンカ/リンク/オブジェクトに関する設定 ") + ElementLabel(m_nTagId));
  for (const char* e : kShapeEntries) impl().ListAdd(IDC_AN_SHAPE_LIST, plat::J(e));
  impl().SetUpDownRange(IDC_AN_TABINDEX_SPIN, 1, 32767);

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);

  const int withdrawn = WithdrawnBits(m_nTagId);
  for (const Field<D>& f : kFields)
    if (f.check && (withdrawn & f.bit)) Withdraw(f.check);
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

int CAnchorDlg::TextBits(int flags) const {
  int bits = 0;
  if (!m_strHref.empty()) bits |= kHrefOn;
  if (!m_strAlt.empty()) bits |= kAltOn;
  if ((flags & kShape) && !IsWholeImage(m_strShape) && !m_strCoords.empty()) bits |= kCoordsOn;
  return bits;
}

std::string CAnchorDlg::Build(int flags) const {
  std::string r = std::string("<") + ElementOf(m_nTagId);
  BuildFields(*this, kFields, flags, r);
  r += ">" + m_strText;
  if (m_nTagId == cmd::kMapDetail)
    r += "</MAP>";
  else if (m_nTagId != cmd::kLinkDetail && m_nTagId != cmd::kAreaDetail)
    r += "</A>";
  return r;
}

void CAnchorDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  int flags = CheckedFields(a, kFields) & ~kTextBits;
  flags |= TextBits(flags);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, flags & ~kTextBits);
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
    case IDC_AN_FOCUS_BROWSE: BrowseInto(m_strOnFocus, "Ank_OnFocusPath", "OnFocusスクリプトの指定"); return true;
    case IDC_AN_BLUR_BROWSE: BrowseInto(m_strOnBlur, "Ank_OnBlurPath", "OnBlurスクリプトの指定"); return true;
    case IDC_AN_ATTR_EDIT: EditOtherAttributes(m_strAttr); return true;
  }
  return false;
}

}  // namespace tq
