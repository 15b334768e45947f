#include "dialogs/style/style_element_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

using D = CStyleElementDlg;
// Each group's first button has no bit; the others' bits are tested in
// button order when loading.
constexpr const char* kUnitWords[] = {"px", "em", "mm", "pt", "%"};
constexpr RadioBits kWidthUnits = {IDC_EL_W_PX, 5, 0x3C, kUnitWords, 0};
constexpr RadioBits kHeightUnits = {IDC_EL_H_PX, 5, 0x1E00, kUnitWords, 0};
constexpr const char* kWsWords[] = {"normal", "pre", "nowrap"};
constexpr RadioBits kWsChoice = {IDC_EL_WS_NORMAL, 3, 0x18000, kWsWords, 0};
constexpr const char* kFloatWords[] = {"none", "left", "right"};
constexpr RadioBits kFloatChoice = {IDC_EL_FLOAT_NONE, 3, 0x180000, kFloatWords, 0};
constexpr const char* kClearWords[] = {"none", "left", "right", "both"};
constexpr RadioBits kClearChoice = {IDC_EL_CLEAR_NONE, 4, 0x3800000, kClearWords, 0};
constexpr const char* kDispWords[] = {"block", "inline", "list-item", "none"};
constexpr RadioBits kDispChoice = {IDC_EL_DISP_BLOCK, 4, 0x38000000, kDispWords, 0};
// A size's number is remembered even under "auto", so unticking it brings
// the number back.
// clang-format off
constexpr Field<D> kFields[] = {
    // bit            check box         edit box  member          property         value
    {D::kWidthAuto,   IDC_EL_W_AUTO,    0,        nullptr,        "width:auto",    nullptr,
     {}, Emit::Decl, "", nullptr, D::kWidth},
    {D::kWidth,       IDC_EL_W_CHK,     IDC_EL_W, &D::m_strWidth,  "width:",        "SylElm_%dWidth",
     {IDC_EL_W_SPIN}, Emit::Decl, "0", &kWidthUnits, 0, D::kWidthAuto, true},
    {D::kHeightAuto,  IDC_EL_H_AUTO,    0,        nullptr,        "height:auto",   nullptr,
     {}, Emit::Decl, "", nullptr, D::kHeight},
    {D::kHeight,      IDC_EL_H_CHK,     IDC_EL_H, &D::m_strHeight, "height:",       "SylElm_%dHeight",
     {IDC_EL_H_SPIN}, Emit::Decl, "0", &kHeightUnits, 0, D::kHeightAuto, true},
    {D::kWhiteSpace,  IDC_EL_WS_CHK,    0,        nullptr,        "white-space:",  nullptr,
     {}, Emit::Decl, "", &kWsChoice},
    {D::kFloat,       IDC_EL_FLOAT_CHK, 0,        nullptr,        "float:",        nullptr,
     {}, Emit::Decl, "", &kFloatChoice},
    {D::kClear,       IDC_EL_CLEAR_CHK, 0,        nullptr,        "clear:",        nullptr,
     {}, Emit::Decl, "", &kClearChoice},
    {D::kDisplay,     IDC_EL_DISP_CHK,  0,        nullptr,        "display:",      nullptr,
     {}, Emit::Decl, "", &kDispChoice},
};
// clang-format on
constexpr const char* kFlagValue = "SylElm_%dFlag";

}  // namespace

CStyleElementDlg::CStyleElementDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_ELEMENT, parent) {
  Access a = Fields();
  GovernFields(a, kFields);
}

void CStyleElementDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CStyleElementDlg::OnInitDialog() {
  impl().SetUpDownRange(IDC_EL_W_SPIN, 0, 32767);
  impl().SetUpDownRange(IDC_EL_H_SPIN, 0, 32767);
  SetTitle(plat::J(" STYLE : 要素の回り込みなどの設定 ") + ElementLabel(m_nTagId));

  Access a = Fields();
  LoadFields(a, *this, kFields, kFlagValue);
  // Text-level elements take no box size or white-space handling.
  if (m_nTagId >= cmd::kInlineFirst)
    for (int c : {IDC_EL_W_CHK, IDC_EL_H_CHK, IDC_EL_WS_CHK}) Withdraw(c);

  ApplyDependents();
  UpdateData(false);
  return true;
}

std::string CStyleElementDlg::Build(int flags) const {
  std::string r;
  BuildFields(*this, kFields, flags, r, "\r\n");
  return r;
}

void CStyleElementDlg::OnOK() {
  UpdateData(true);
  Access a = Fields();
  const int flags = CheckedFields(a, kFields);
  m_strResult = Build(flags);
  SaveFields(a, *this, kFields, flags, kFlagValue, FieldBits(kFields, flags));
  EndDialog(plat::IDOK);
}

}  // namespace tq
