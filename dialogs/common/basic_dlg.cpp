#include "dialogs/common/basic_dlg.h"

#include "dialogs/common/event_dlg.h"
#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "res/commands.h"
#include "dialogs/common/value_lists.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_BS_ID_CHK, CBasicDlg::kId},       {IDC_BS_CLASS_CHK, CBasicDlg::kClass},
    {IDC_BS_TITLE_CHK, CBasicDlg::kTitle}, {IDC_BS_STYLE_CHK, CBasicDlg::kStyle},
    {IDC_BS_LANG_CHK, CBasicDlg::kLang},   {IDC_BS_DIR_CHK, CBasicDlg::kDir},
    {IDC_BS_EVENT_CHK, CBasicDlg::kEvent}, {IDC_BS_ALIGN_CHK, CBasicDlg::kAlign},
    {IDC_BS_OTHER_CHK, CBasicDlg::kOther}, {IDC_BS_WIDTH_CHK, CBasicDlg::kWidth},
    {IDC_BS_SIZE_CHK, CBasicDlg::kSize},   {IDC_BS_NOSHADE_CHK, CBasicDlg::kNoShade},
};

// What each element makes of the dialog: the boxes it does not offer, what
// the "other" and width fields name, the relabelled boxes and the lists
// behind the buttons. An id without a row is another dialog's attributes.
struct ElementRow {
  int id;
  int unavailable;           // flag bits of the boxes withdrawn
  const char* otherName;     // attribute of the "other" field, or nullptr
  const char* otherCaption;  // the "other" box relabelled, or nullptr
  int otherList;             // value list of its button (0: none)
  const char* widthName;     // attribute of the width field
  const char* widthCaption;  // the width box relabelled, or nullptr
  int alignList;             // value list of the ALIGN button (0: none)
  unsigned char shape;       // kWhole, kList or kEmpty
};

enum : unsigned char { kWhole, kList, kEmpty, kAttributesOnly };
enum : int { kBrowseUri = -1 };  // otherList: a file dialog for a URI
constexpr int kMost =
    CBasicDlg::kAlign | CBasicDlg::kOther | CBasicDlg::kWidth | CBasicDlg::kSize | CBasicDlg::kNoShade;
constexpr int kAlignOnly = kMost & ~CBasicDlg::kAlign;
constexpr int kCite = kMost & ~CBasicDlg::kOther;
constexpr int kLangDirEvent = CBasicDlg::kLang | CBasicDlg::kDir | CBasicDlg::kEvent;

using namespace cmd;
// clang-format off
constexpr ElementRow kElements[] = {
    {kH1Detail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kHeadingAlign, kWhole},
    {kH2Detail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kHeadingAlign, kWhole},
    {kH3Detail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kHeadingAlign, kWhole},
    {kH4Detail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kHeadingAlign, kWhole},
    {kH5Detail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kHeadingAlign, kWhole},
    {kH6Detail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kHeadingAlign, kWhole},
    // P takes the same alignments as the headings.
    {kPDetail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kHeadingAlign, kWhole},
    {kPreDetail, kMost & ~CBasicDlg::kWidth, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kAddressDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kHRDetail, CBasicDlg::kOther | CBasicDlg::kLang | CBasicDlg::kDir, nullptr, nullptr, 0, "WIDTH",
     nullptr, list::kBlockAlign, kEmpty},
    {kDivDetail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kBlockAlign, kWhole},
    {kBlockQuoteDetail, kCite, "CITE", "CITE指定", kBrowseUri, "WIDTH", nullptr, 0, kWhole},
    {kULDetail, kMost & ~(CBasicDlg::kOther | CBasicDlg::kNoShade), "TYPE", "先頭記号", list::kUlType, "WIDTH",
     nullptr, 0, kList},
    {kOLDetail, kMost & ~(CBasicDlg::kOther | CBasicDlg::kWidth | CBasicDlg::kNoShade), "TYPE", "先頭記号",
     122, "START", "番号の最初", 0, kList},
    {kDLDetail, kMost & ~CBasicDlg::kNoShade, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kList},
    {kCaptionDetail, kAlignOnly, nullptr, nullptr, 0, "WIDTH", nullptr, list::kCaptionAlign, kWhole},
    // NOSCRIPT is dispatched here like the other block elements, so it is
    // built as one: the selection inside, start and end tags around it.
    {kNoScriptDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kFieldSetDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kBDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kUDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kStrikeDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kIDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kBigDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kSmallDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kEMDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kStrongDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kSupDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kSubDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kTTDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kBRDetail, kCite, "CLEAR", "CLEAR指定", list::kClear, "WIDTH", nullptr, 0, kEmpty},
    {kSpanDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kQDetail, kCite, "CITE", "CITE指定", kBrowseUri, "WIDTH", nullptr, 0, kWhole},
    {kDfnDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kCodeDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kSampDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kKbdDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kVarDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kCiteDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kAbbrDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kAcronymDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kBdoDetail, kMost | CBasicDlg::kEvent, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kWhole},
    {kLIDetail, kMost & ~(CBasicDlg::kOther | CBasicDlg::kWidth), "TYPE", "TYPE", list::kLiType, "VALUE", "VALUE", 0,
     kEmpty},
    {kDTDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kEmpty},
    {kDDDetail, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kEmpty},
    // Attributes of other dialogs' elements that take no LANG, DIR or events.
    {kFrameSetDetail, kMost | kLangDirEvent, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kAttributesOnly},
    {kFrameDetail, kMost | kLangDirEvent, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kAttributesOnly},
    {kAppletDetail, kMost | kLangDirEvent, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kAttributesOnly},
    {kIFrameDetail, kMost | kLangDirEvent, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kAttributesOnly},
};
// clang-format on
constexpr ElementRow kOtherAttributes = {0, kMost, nullptr, nullptr, 0, "WIDTH", nullptr, 0, kAttributesOnly};

const ElementRow& RowOf(int id) {
  for (const ElementRow& r : kElements)
    if (r.id == id) return r;
  return kOtherAttributes;
}

}  // namespace

const char* CBasicDlg::ElementOf(int id) {
  if (RowOf(id).shape == kAttributesOnly) return nullptr;
  const Command* c = FindCommand(id);
  return c ? c->element : nullptr;
}

int CBasicDlg::UnavailableBits(int id) { return RowOf(id).unavailable; }

namespace {
StyleEditor g_styleEditor = nullptr;
}  // namespace

void SetStyleEditor(StyleEditor editor) { g_styleEditor = editor; }

CBasicDlg::CBasicDlg(plat::WindowHandle parent) : CAttrDialog(IDD_BASIC, parent) {
  Governs(IDC_BS_ID_CHK, {IDC_BS_ID});
  Governs(IDC_BS_CLASS_CHK, {IDC_BS_CLASS});
  Governs(IDC_BS_TITLE_CHK, {IDC_BS_TITLE});
  Governs(IDC_BS_STYLE_CHK, {IDC_BS_STYLE, IDC_BS_STYLE_EDIT});
  Governs(IDC_BS_LANG_CHK, {IDC_BS_LANG, IDC_BS_LANG_LIST});
  Governs(IDC_BS_DIR_CHK, {IDC_BS_DIR});
  Governs(IDC_BS_EVENT_CHK, {IDC_BS_EVENT, IDC_BS_EVENT_EDIT});
  Governs(IDC_BS_ALIGN_CHK, {IDC_BS_ALIGN, IDC_BS_ALIGN_LIST});
  Governs(IDC_BS_OTHER_CHK, {IDC_BS_OTHER, IDC_BS_OTHER_LIST});
  Governs(IDC_BS_WIDTH_CHK, {IDC_BS_WIDTH});
  Governs(IDC_BS_SIZE_CHK, {IDC_BS_SIZE});
}

void CBasicDlg::DoDataExchange(plat::DataExchange& dx) {
  dx.Text(IDC_BS_ID, m_strID);
  dx.Text(IDC_BS_CLASS, m_strClass);
  dx.Text(IDC_BS_TITLE, m_strTitle);
  dx.Text(IDC_BS_STYLE, m_strStyle);
  dx.Text(IDC_BS_LANG, m_strLang);
  dx.Text(IDC_BS_DIR, m_strDir);
  dx.Text(IDC_BS_EVENT, m_strEvent);
  dx.Text(IDC_BS_ALIGN, m_strAlign);
  dx.Text(IDC_BS_OTHER, m_strOther);
  dx.Text(IDC_BS_WIDTH, m_strWidth);
  dx.Text(IDC_BS_SIZE, m_strSize);
}

bool CBasicDlg::OnInitDialog() {
  const int id = m_nTagId;
  SetTitle(plat::J("基本的な属性の設定 ") + ElementLabel(id));

  const ElementRow& row = RowOf(id);
  if (row.otherCaption) SetItemText(IDC_BS_OTHER_CHK, plat::J(row.otherCaption));
  if (row.widthCaption) SetItemText(IDC_BS_WIDTH_CHK, plat::J(row.widthCaption));
  if (row.shape == kList) SetItemText(IDC_BS_NOSHADE_CHK, plat::J("COMPACT指定"));

  Load(m_strID, "Bsc_%dID");
  Load(m_strClass, "Bsc_%dClass");
  Load(m_strTitle, "Bsc_%dTitle");
  Load(m_strStyle, "Bsc_%dStyle");
  Load(m_strLang, "Bsc_%dLang");
  Load(m_strDir, "Bsc_%dDir");
  Load(m_strEvent, "Bsc_%dEvent");
  Load(m_strAlign, "Bsc_%dOtherA");
  Load(m_strOther, "Bsc_%dOtherB");
  Load(m_strWidth, "Bsc_%dWidth");
  Load(m_strSize, "Bsc_%dSize");
  CheckBoxes(kBoxes, GetSettingInt(Name("Bsc_%dFlag")));

  const int off = UnavailableBits(id);
  for (const FlagBox& b : kBoxes)
    if (off & b.bit) Withdraw(b.id);

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CBasicDlg::Build(int flags) {
  const int id = m_nTagId;
  const char* element = ElementOf(id);
  const char* sep = element ? " " : "\r\n";
  std::string r = element ? std::string("<") + element : std::string();

  PutAttr(r, flags & kId, "ID", m_strID, "", "Bsc_%dID", sep);
  PutAttr(r, flags & kClass, "CLASS", m_strClass, "", "Bsc_%dClass", sep);
  PutAttr(r, flags & kTitle, "TITLE", m_strTitle, "", "Bsc_%dTitle", sep);
  if (flags & kStyle) {
    r += sep;
    r += "STYLE=\"" + NormalizeWhitespace(m_strStyle) + "\"";
    PutSetting(Name("Bsc_%dStyle"), m_strStyle);
  }
  PutAttr(r, flags & kLang, "LANG", m_strLang, "", "Bsc_%dLang", sep);
  PutAttr(r, flags & kDir, "DIR", m_strDir, "", "Bsc_%dDir", sep);
  if (flags & kEvent) {
    r += sep;
    r += NormalizeWhitespace(m_strEvent);
    PutSetting(Name("Bsc_%dEvent"), m_strEvent);
  }
  PutAttr(r, flags & kAlign, "ALIGN", m_strAlign, "", "Bsc_%dOtherA", sep);
  if (flags & kOther) {
    // Only the elements that offer the field name an attribute for it.
    if (const char* name = RowOf(id).otherName)
      PutAttr(r, true, name, m_strOther, "", "Bsc_%dOtherB", sep);
    else
      PutSetting(Name("Bsc_%dOtherB"), m_strOther);
  }
  PutAttr(r, flags & kWidth, RowOf(id).widthName, m_strWidth, "", "Bsc_%dWidth", sep);
  PutAttr(r, flags & kSize, "SIZE", m_strSize, "", "Bsc_%dSize", sep);
  if (flags & kNoShade) {
    r += sep;
    r += RowOf(id).shape == kList ? "COMPACT" : "NOSHADE";
  }
  PutSettingInt(Name("Bsc_%dFlag"), flags);

  if (!element) return r;
  const std::string name = element;
  const unsigned char shape = RowOf(id).shape;
  if (shape == kList) {
    r += ">\r\n" + m_strText + "\r\n</" + name + ">";
  } else {
    r += ">" + m_strText;
    if (shape != kEmpty) r += "</" + name + ">";
  }
  return r;
}

void CBasicDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build(CheckedBits(kBoxes));
  EndDialog(plat::IDOK);
}

void CBasicDlg::EditStyle() {
  UpdateData(true);
  std::string result;
  if (!g_styleEditor || !g_styleEditor(handle(), m_nTagId, m_strText, RowOf(m_nTagId).shape == kList, &result)) return;
  m_strStyle = result;
  UpdateData(false);
}

void CBasicDlg::EditEvents() {
  UpdateData(true);
  CEventDlg dlg(handle());
  dlg.Init(m_nTagId);
  if (dlg.DoModal() != plat::IDOK) return;
  m_strEvent = dlg.m_strResult;
  UpdateData(false);
}

void CBasicDlg::ChooseAlign() {
  if (const int list = RowOf(m_nTagId).alignList) ChooseInto(m_strAlign, list);
}

void CBasicDlg::ChooseOther() {
  const int list = RowOf(m_nTagId).otherList;
  if (list == kBrowseUri)
    BrowseInto(m_strOther, "Bsc_Path", "引用文書のURI");
  else if (list)
    ChooseInto(m_strOther, list);
}

bool CBasicDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_BS_STYLE_EDIT: EditStyle(); return true;
    case IDC_BS_LANG_LIST: ChooseInto(m_strLang, list::kLang); return true;
    case IDC_BS_EVENT_EDIT: EditEvents(); return true;
    case IDC_BS_ALIGN_LIST: ChooseAlign(); return true;
    case IDC_BS_OTHER_LIST: ChooseOther(); return true;
  }
  return false;
}

}  // namespace tq
