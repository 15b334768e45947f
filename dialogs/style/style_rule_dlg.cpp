#include "dialogs/style/style_rule_dlg.h"

#include "dialogs/common/fields.h"
#include "dialogs/common/text_rules.h"
#include "dialogs/style/style_dlg.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "res/commands.h"

namespace tq {

namespace {

const char* const kEntries[] = {
    "H1  (見出し)", "H2  (見出し)", "H3  (見出し)", "H4  (見出し)", "H5  (見出し)", "H6  (見出し)",
    "P   (段落)", "PRE (ﾌﾟﾚﾌｫｰﾏｯﾄ)", "ADDRESS  (アドレス)", "HR  (区切り線)", "DIV (範囲指定)",
    "SPAN  (範囲指定)", "BLOCKQUOTE  (引用)", "Q   (引用)", "B   (太字)", "U   (ｱﾝﾀﾞｰﾗｲﾝ)",
    "STRIKE  (取消し線)", "I   (イタリック体)", "BIG (文字を大きく)", "SMALL (文字を小さく)",
    "EM  (強調)", "STRONG (強い強調)", "SUP (上付き文字)", "SUB (下付き文字)", "TT  (等幅フォント)",
    "BR  (改行)", "UL  (順序なしリスト)", "OL  (順序つきリスト)", "DL  (定義型リスト)",
    "LI  (リスト項目)", "DT  (定義型リストの項目)", "DD  (定義型リストの内容)", "TABLE (表組み)",
    "CAPTION (表タイトル)", "COL (列の定義)", "COLGROUP (列のｸﾞﾙｰﾌﾟ化)", "THEAD (表ヘッダ)",
    "TBODY (表本体)", "TFOOT (表フッタ)", "TR  (行)", "TH  (見出しセル)", "TD  (セル)",
    "A   (アンカ)", "LINK (リンク)", "MAP (イメージマップ)", "AREA (領域)", "IMG  (画像)",
    "OBJECT (オブジェクト)", "APPLET (アプレット)", "DFN (定義)", "CODE  (コード)",
    "SAMP (サンプル)", "KBD  (キーボード)", "VAR  (変数)", "CITE (出典)", "ABBR (省略)",
    "ACRONYM (アクロニム)", "A:link", "A:active", "A:visited", "BODY",
};

using D = CStyleRuleDlg;
// Shared by every use: no check boxes, no flag word, no slot in the names.
// clang-format off
constexpr Field<D> kFields[] = {
    // bit check box  edit box         member             attribute  value
    {0,    0,         IDC_SR_SELECTOR, &D::m_strSelector, nullptr,   "SylCss_Selecta", {}, Emit::None},
    {0,    0,         IDC_SR_STYLE,    &D::m_strStyle,    nullptr,   "SylCss_Style",   {}, Emit::None},
};
// clang-format on

std::string TrimBlanks(const std::string& s) {
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace

int StyleRuleTagId(const std::string& selector) {
  for (int first : {cmd::kH1Detail, cmd::kBDetail})
    for (int id = first; id < first + 100; ++id) {
      const std::string name = TagNameOf(id);
      if (!name.empty() && SameWordNoCase(name, selector)) return id;
    }
  return 0;
}

CStyleRuleDlg::CStyleRuleDlg(plat::WindowHandle parent) : CAttrDialog(IDD_STYLE_RULE, parent) {}

void CStyleRuleDlg::Init(int, const std::string& handedIn) { m_strText = handedIn; }

void CStyleRuleDlg::DoDataExchange(plat::DataExchange& dx) { ExchangeFields(dx, *this, kFields); }

bool CStyleRuleDlg::OnInitDialog() {
  for (const char* e : kEntries) impl().ListAdd(IDC_SR_LIST, plat::J(e));
  Access a = Fields();
  LoadFields(a, *this, kFields, nullptr);
  UpdateData(false);
  // The selector box is the template's first tab stop, so the default
  // focus lands in it.
  return true;
}

std::string CStyleRuleDlg::Build() const {
  return m_strSelector + "  { " + NormalizeWhitespace(m_strStyle) + " }\r\n" + m_strText;
}

void CStyleRuleDlg::OnOK() {
  UpdateData(true);
  m_strResult = Build();
  Access a = Fields();
  SaveFields(a, *this, kFields, 0, nullptr);
  EndDialog(plat::IDOK);
}

// The composer remembers under the selector's element command, so "H1"
// shares the STYLE values of the H1 dialog; other selectors share id 0.
void CStyleRuleDlg::Compose() {
  UpdateData(true);
  m_strSelector = TrimBlanks(m_strSelector);
  if (m_strSelector.empty()) {
    plat::CurrentBackend().MessageBox(handle(), plat::J("セレクタ（要素）を指定してから実行してください"),
                                      plat::J("スタイル変更"), plat::MB_OK_);
    return;
  }
  CStyleDlg dlg(handle());
  dlg.Init(StyleRuleTagId(m_strSelector), m_strText);
  if (dlg.DoModal() != plat::IDOK) return;  // the trimmed selector is not shown
  m_strStyle = dlg.m_strResult;
  UpdateData(false);
}

bool CStyleRuleDlg::OnCommand(int id, int code) {
  if (id == IDC_SR_LIST && code == plat::kSelChange) {
    TakeListValue(id, m_strSelector);  // the element name of the entry
    return true;
  }
  if (id == IDC_SR_CHANGE && code == plat::kClicked) {
    Compose();
    return true;
  }
  return false;
}

}  // namespace tq
