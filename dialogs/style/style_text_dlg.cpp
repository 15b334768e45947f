#include "dialogs/style/style_text_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/common/value_lists.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CStyleTextDlg;
// Each group's "px" has no bit; "倍率" is a bare multiplier: no unit text.
constexpr const char* kUnitWords[] = {"px", "em", "mm", "pt", "%", ""};
constexpr RadioBits kWsUnits = {IDC_TX_WS_PX, 4, 0x1C, kUnitWords, 0};
constexpr RadioBits kLsUnits = {IDC_TX_LS_PX, 4, 0x700, kUnitWords, 0};
constexpr RadioBits kIndUnits = {IDC_TX_IND_PX, 5, 0xF00000, kUnitWords, 0};
constexpr RadioBits kLhUnits = {IDC_TX_LH_PX, 6, 0x7C000000, kUnitWords, 0};
constexpr const char* kPercentWord[] = {"%"};
constexpr RadioBits kPercent = {0, 0, 0, kPercentWord, 0};
// A group's "normal" or keyword box stands for its number while on.
// clang-format off
constexpr Field<D> kFields[] = {
    // bit              check box          edit box       member                  property            value
    {D::kWsNormal,      IDC_TX_WS_NORMAL,  0,             nullptr,                "word-spacing:normal", nullptr,
     {}, Emit::Decl, "", nullptr, D::kWordSpacing},
    {D::kWordSpacing,   IDC_TX_WS_CHK,     IDC_TX_WS,     &D::m_strWordSpacing,   "word-spacing:",    "SylTxt_%dWS",
     {IDC_TX_WS_SPIN}, Emit::Decl, "0", &kWsUnits, 0, D::kWsNormal},
    {D::kLsNormal,      IDC_TX_LS_NORMAL,  0,             nullptr,                "letter-spacing:normal", nullptr,
     {}, Emit::Decl, "", nullptr, D::kLetterSpacing},
    {D::kLetterSpacing, IDC_TX_LS_CHK,     IDC_TX_LS,     &D::m_strLetterSpacing, "letter-spacing:",  "SylTxt_%dLS",
     {IDC_TX_LS_SPIN}, Emit::Decl, "0", &kLsUnits, 0, D::kLsNormal},
    {D::kDecoration,    IDC_TX_DECO_CHK,   IDC_TX_DECO,   &D::m_strDecoration,    "text-decoration:", "SylTxt_%dDecrtn",
     {IDC_TX_DECO_LIST}, Emit::Decl, "none"},
    {D::kTextAlign,     IDC_TX_TALIGN_CHK, IDC_TX_TALIGN, &D::m_strTextAlign,     "text-align:",      "SylTxt_%dTAlign",
     {IDC_TX_TALIGN_LIST}, Emit::Decl, "left"},
    {D::kVAKeyword,     IDC_TX_VAKW_CHK,   IDC_TX_VAKW,   &D::m_strVAKeyword,     "vertical-align:",  "SylTxt_%dVAKWD",
     {IDC_TX_VAKW_LIST}, Emit::Decl, "baseline", nullptr, D::kVerticalAlign},
    {D::kVerticalAlign, IDC_TX_VA_CHK,     IDC_TX_VAPER,  &D::m_strVAPercent,     "vertical-align:",  "SylTxt_%dVAPER",
     {IDC_TX_VAPER_SPIN, IDC_TX_VAPER_LABEL}, Emit::Decl, "0", &kPercent, 0, D::kVAKeyword},
    {D::kTransform,     IDC_TX_TRANS_CHK,  IDC_TX_TRANS,  &D::m_strTransform,     "text-transform:",  "SylTxt_%dTransform",
     {IDC_TX_TRANS_LIST}, Emit::Decl, "none"},
    {D::kIndent,        IDC_TX_IND_CHK,    IDC_TX_IND,    &D::m_strIndent,        "text-indent:",     "SylTxt_%dIndent",
     {IDC_TX_IND_SPIN}, Emit::Decl, "0", &kIndUnits},
    {D::kLhNormal,      IDC_TX_LH_NORMAL,  0,             nullptr,                "line-height:normal", nullptr,
     {}, Emit::Decl, "", nullptr, D::kLineHeight},
    {D::kLineHeight,    IDC_TX_LH_CHK,     IDC_TX_LH,     &D::m_strLineHeight,    "line-height:",     "SylTxt_%dHeight",
     {IDC_TX_LH_SPIN}, Emit::Decl, "1", &kLhUnits, 0, D::kLhNormal},
};
// clang-format on
constexpr const char* kFlagValue = "SylTxt_%dFlag";

}  // namespace

CStyleTextDlg::CStyleTextDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_TEXT, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CStyleTextDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CStyleTextDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_TX_WS_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TX_LS_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TX_IND_SPIN, -32767, 32767);
  impl().SetUpDownRange(IDC_TX_VAPER_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_TX_LH_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : テキストの設定 ") + ElementLabel(m_nTagId));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue, kDefaultFlags);
  // Block-level elements align their text, text-level ones themselves.
  Withdraw(m_nTagId < cmd::kInlineFirst ? IDC_TX_VA_CHK : IDC_TX_TALIGN_CHK);

  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CStyleTextDlg::Build(int flags) const {
  std::string r;
  BuildFields(*this, kFields, flags, r, "\r\n");
  return r;
}

void CStyleTextDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, FieldBits(kFields, flags));
  EndDialog(plat::IDOK);
}

bool CStyleTextDlg::OnCommand(int id, int code) {
  if (CAttrDialog::OnCommand(id, code)) return true;
  if (code != plat::kClicked) return false;
  switch (id) {
    case IDC_TX_DECO_LIST: ChooseInto(m_strDecoration, list::kTextDecoration); return true;
    case IDC_TX_TALIGN_LIST: ChooseInto(m_strTextAlign, list::kTextAlign); return true;
    case IDC_TX_VAKW_LIST: ChooseInto(m_strVAKeyword, list::kVerticalAlign); return true;
    case IDC_TX_TRANS_LIST: ChooseInto(m_strTransform, list::kTextTransform); return true;
  }
  return false;
}

}  // namespace tq
