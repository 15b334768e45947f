#include "dialogs/common/basic_dlg.h"

#include "dialogs/common/event_dlg.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/style/list_style_dlg.h"
#include "dialogs/style/style_dlg.h"
#include "plat/text.h"

namespace tq {

namespace {

// Check boxes in flag-bit order.
constexpr FlagBox kBoxes[] = {
    {IDC_BS_ID_CHK, CBasicDlg::kId},         {IDC_BS_CLASS_CHK, CBasicDlg::kClass},
    {IDC_BS_TITLE_CHK, CBasicDlg::kTitle},   {IDC_BS_STYLE_CHK, CBasicDlg::kStyle},
    {IDC_BS_LANG_CHK, CBasicDlg::kLang},     {IDC_BS_DIR_CHK, CBasicDlg::kDir},
    {IDC_BS_EVENT_CHK, CBasicDlg::kEvent},   {IDC_BS_ALIGN_CHK, CBasicDlg::kAlign},
    {IDC_BS_OTHER_CHK, CBasicDlg::kOther},   {IDC_BS_WIDTH_CHK, CBasicDlg::kWidth},
    {IDC_BS_SIZE_CHK, CBasicDlg::kSize},     {IDC_BS_NOSHADE_CHK, CBasicDlg::kNoShade},
};

bool IsList(int id) { return id >= 29140 && id <= 29142; }

// Name of the attribute the "other" field gives, or nullptr.
const char* OtherName(int id) {
  switch (id) {
    case 29415: return "CLEAR";
    case 29140:
    case 29141:
    case 29435: return "TYPE";
    case 29132:
    case 29417: return "CITE";
    default: return nullptr;
  }
}

const char* WidthName(int id) {
  switch (id) {
    case 29141: return "START";
    case 29435: return "VALUE";
    default: return "WIDTH";
  }
}

}  // namespace

const char* CBasicDlg::ElementOf(int id) {
  if (id >= 29121 && id <= 29126) {
    static const char* const kHeads[] = {"H1", "H2", "H3", "H4", "H5", "H6"};
    return kHeads[id - 29121];
  }
  if (id >= 29401 && id <= 29411) {
    static const char* const kFonts[] = {"B",  "U",      "STRIKE", "I",   "BIG", "SMALL",
                                         "EM", "STRONG", "SUP",    "SUB", "TT"};
    return kFonts[id - 29401];
  }
  if (id >= 29420 && id <= 29428) {
    static const char* const kPhrases[] = {"DFN",  "CODE", "SAMP",    "KBD", "VAR",
                                           "CITE", "ABBR", "ACRONYM", "BDO"};
    return kPhrases[id - 29420];
  }
  switch (id) {
    case 29127: return "P";
    case 29128: return "PRE";
    case 29129: return "ADDRESS";
    case 29130: return "HR";
    case 29131: return "DIV";
    case 29132: return "BLOCKQUOTE";
    case 29140: return "UL";
    case 29141: return "OL";
    case 29142: return "DL";
    case 29152: return "CAPTION";
    // NOSCRIPT is dispatched here like the other block elements, so it is
    // built as one: the selection inside, start and end tags around it.
    case 29171: return "NOSCRIPT";
    case 29173: return "FIELDSET";
    case 29415: return "BR";
    case 29416: return "SPAN";
    case 29417: return "Q";
    case 29435: return "LI";
    case 29436: return "DT";
    case 29437: return "DD";
    default: return nullptr;
  }
}

int CBasicDlg::UnavailableBits(int id) {
  int off = kAlign | kOther | kWidth | kSize | kNoShade;
  if ((id >= 29121 && id <= 29127) || id == 29131 || id == 29152) off &= ~kAlign;
  switch (id) {
    case 29128: off &= ~kWidth; break;
    case 29130: off = kOther | kLang | kDir; break;
    case 29132:
    case 29417:
    case 29415: off &= ~kOther; break;
    case 29140: off &= ~(kOther | kNoShade); break;
    case 29141: off &= ~(kOther | kWidth | kNoShade); break;
    case 29142: off &= ~kNoShade; break;
    case 29435: off &= ~(kOther | kWidth); break;
    case 29428: off |= kEvent; break;
    case 29165:
    case 29166:
    case 29458:
    case 29460: off |= kLang | kDir | kEvent; break;
    default: break;
  }
  return off;
}

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

  switch (id) {
    case 29132:
    case 29417: SetItemText(IDC_BS_OTHER_CHK, plat::J("CITE指定")); break;
    case 29140: SetItemText(IDC_BS_OTHER_CHK, plat::J("先頭記号")); break;
    case 29141:
      SetItemText(IDC_BS_OTHER_CHK, plat::J("先頭記号"));
      SetItemText(IDC_BS_WIDTH_CHK, plat::J("番号の最初"));
      break;
    case 29415: SetItemText(IDC_BS_OTHER_CHK, plat::J("CLEAR指定")); break;
    case 29435:
      SetItemText(IDC_BS_OTHER_CHK, "TYPE");
      SetItemText(IDC_BS_WIDTH_CHK, "VALUE");
      break;
    default: break;
  }
  if (IsList(id)) SetItemText(IDC_BS_NOSHADE_CHK, plat::J("COMPACT指定"));

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
    if (const char* name = OtherName(id))
      PutAttr(r, true, name, m_strOther, "", "Bsc_%dOtherB", sep);
    else
      PutSetting(Name("Bsc_%dOtherB"), m_strOther);
  }
  PutAttr(r, flags & kWidth, WidthName(id), m_strWidth, "", "Bsc_%dWidth", sep);
  PutAttr(r, flags & kSize, "SIZE", m_strSize, "", "Bsc_%dSize", sep);
  if (flags & kNoShade) {
    r += sep;
    r += IsList(id) ? "COMPACT" : "NOSHADE";
  }
  PutSettingInt(Name("Bsc_%dFlag"), flags);

  if (!element) return r;
  const std::string name = element;
  if (IsList(id)) {
    r += ">\r\n" + m_strText + "\r\n</" + name + ">";
  } else {
    r += ">" + m_strText;
    const bool empty = id == 29130 || id == 29415 || (id >= 29435 && id <= 29437);
    if (!empty) r += "</" + name + ">";
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
  if (IsList(m_nTagId)) {
    CListStyleDlg dlg(handle());
    dlg.Init(m_nTagId, m_strText);
    if (dlg.DoModal() != plat::IDOK) return;
    result = dlg.m_strResult;
  } else {
    CStyleDlg dlg(handle());
    dlg.Init(m_nTagId, m_strText);
    if (dlg.DoModal() != plat::IDOK) return;
    result = dlg.m_strResult;
  }
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
  const int id = m_nTagId;
  // P takes the same alignments as the headings.
  if (id >= 29121 && id <= 29127) ChooseInto(m_strAlign, 107);
  else if (id == 29130 || id == 29131) ChooseInto(m_strAlign, 120);
  else if (id == 29152) ChooseInto(m_strAlign, 126);
}

void CBasicDlg::ChooseOther() {
  switch (m_nTagId) {
    case 29415: ChooseInto(m_strOther, 121); break;
    case 29140: ChooseInto(m_strOther, 123); break;
    case 29141: ChooseInto(m_strOther, 122); break;
    case 29435: ChooseInto(m_strOther, 125); break;
    case 29132:
    case 29417: BrowseInto(m_strOther, "Bsc_Path", "引用文書のURI"); break;
    default: break;
  }
}

bool CBasicDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_BS_STYLE_EDIT: EditStyle(); return true;
    case IDC_BS_LANG_LIST: ChooseInto(m_strLang, 106); return true;
    case IDC_BS_EVENT_EDIT: EditEvents(); return true;
    case IDC_BS_ALIGN_LIST: ChooseAlign(); return true;
    case IDC_BS_OTHER_LIST: ChooseOther(); return true;
  }
  return false;
}

void RunBasicDlg(plat::WindowHandle parent, std::string& buffer, int id) {
  RunDialog<CBasicDlg>(parent, buffer, id);
}

}  // namespace tq
