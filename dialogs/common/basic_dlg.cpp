#include "dialogs/common/basic_dlg.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "dialogs/common/event_dlg.h"
#include "dialogs/common/fields.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

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

using D = CBasicDlg;
// The element names the attributes of the other, width and NOSHADE rows
// (ElementFields).
// clang-format off
constexpr Field<D> kFields[] = {
    // bit        check box           edit box      member          attribute  value
    {D::kId,      IDC_BS_ID_CHK,      IDC_BS_ID,    &D::m_strID,    "ID",      "Bsc_%dID"},
    {D::kClass,   IDC_BS_CLASS_CHK,   IDC_BS_CLASS, &D::m_strClass, "CLASS",   "Bsc_%dClass"},
    {D::kTitle,   IDC_BS_TITLE_CHK,   IDC_BS_TITLE, &D::m_strTitle, "TITLE",   "Bsc_%dTitle"},
    {D::kStyle,   IDC_BS_STYLE_CHK,   IDC_BS_STYLE, &D::m_strStyle, "STYLE",   "Bsc_%dStyle",
     {IDC_BS_STYLE_EDIT}, Emit::Joined},
    {D::kLang,    IDC_BS_LANG_CHK,    IDC_BS_LANG,  &D::m_strLang,  "LANG",    "Bsc_%dLang",   {IDC_BS_LANG_LIST}},
    {D::kDir,     IDC_BS_DIR_CHK,     IDC_BS_DIR,   &D::m_strDir,   "DIR",     "Bsc_%dDir"},
    {D::kEvent,   IDC_BS_EVENT_CHK,   IDC_BS_EVENT, &D::m_strEvent, nullptr,   "Bsc_%dEvent",
     {IDC_BS_EVENT_EDIT}, Emit::Other},
    {D::kAlign,   IDC_BS_ALIGN_CHK,   IDC_BS_ALIGN, &D::m_strAlign, "ALIGN",   "Bsc_%dOtherA", {IDC_BS_ALIGN_LIST}},
    {D::kOther,   IDC_BS_OTHER_CHK,   IDC_BS_OTHER, &D::m_strOther, nullptr,   "Bsc_%dOtherB",
     {IDC_BS_OTHER_LIST}, Emit::None},
    {D::kWidth,   IDC_BS_WIDTH_CHK,   IDC_BS_WIDTH, &D::m_strWidth, "WIDTH",   "Bsc_%dWidth"},
    {D::kSize,    IDC_BS_SIZE_CHK,    IDC_BS_SIZE,  &D::m_strSize,  "SIZE",    "Bsc_%dSize"},
    {D::kNoShade, IDC_BS_NOSHADE_CHK, 0,            nullptr,        "NOSHADE", nullptr,        {}, Emit::Word},
};
// clang-format on
constexpr const char* kFlagValue = "Bsc_%dFlag";

// The rows as this element builds them. Only the elements that name an
// attribute for the "other" field build it (the others keep what was
// typed); the width field may stand for another attribute; a list is
// COMPACT where a rule is NOSHADE.
std::array<FieldRow, std::size(kFields)> ElementFields(const ElementRow& e) {
  std::array<FieldRow, std::size(kFields)> rows{};
  std::copy(std::begin(kFields), std::end(kFields), rows.begin());
  for (FieldRow& f : rows) {
    if (f.bit == D::kOther && e.otherName) {
      f.attr = e.otherName;
      f.emit = Emit::Attr;
    }
    if (f.bit == D::kWidth) f.attr = e.widthName;
    if (f.bit == D::kNoShade && e.shape == kList) f.attr = "COMPACT";
  }
  return rows;
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
  Access a = Fields();
  GovernFields(a, kFields);
}

void CBasicDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CBasicDlg::OnInitDialog() {
  const int id = m_nTagId;
  SetTitle(plat::J("基本的な属性の設定 ") + ElementLabel(id));

  // The element relabels the boxes whose attribute it names and withdraws
  // the ones it does not offer, whatever was remembered.
  const ElementRow& row = RowOf(id);
  if (row.otherCaption) SetItemText(IDC_BS_OTHER_CHK, plat::J(row.otherCaption));
  if (row.widthCaption) SetItemText(IDC_BS_WIDTH_CHK, plat::J(row.widthCaption));
  if (row.shape == kList) SetItemText(IDC_BS_NOSHADE_CHK, plat::J("COMPACT指定"));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  for (const FieldRow& f : kFields)
    if (row.unavailable & f.bit) Withdraw(f.check);

  UpdateData(false);
  ApplyDependents();
  return true;
}

std::string CBasicDlg::Build(int flags) const {
  const ElementRow& row = RowOf(m_nTagId);
  const char* element = ElementOf(m_nTagId);
  const auto rows = ElementFields(row);
  // Another dialog's attributes come one a line.
  std::string r = element ? std::string("<") + element : std::string();
  BuildFieldRows(*this, rows.data(), rows.size(), flags, r, element ? " " : "\r\n");
  if (!element && !r.empty()) r.insert(0, "\r\n");  // each of them on a line of its own

  if (!element) return r;
  const std::string name = element;
  if (row.shape == kList) {
    r += ">\r\n" + m_strText + "\r\n</" + name + ">";
  } else {
    r += ">" + m_strText;
    if (row.shape != kEmpty) r += "</" + name + ">";
  }
  return r;
}

void CBasicDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue);
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
