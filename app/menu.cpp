#include "app/menu.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "app/html_app.h"
#include "app/string_table.h"
#include "plat/backend.h"
#include "plat/text.h"

namespace tq {

namespace {

using Range = std::pair<int, int>;
constexpr Range kSep{0, 0};  // a separator inside the submenu

struct Popup {
  const char* caption;
  std::initializer_list<Range> items;
  bool separatorAfter;  // a separator in the host's menu after this popup
};

const Popup kPopups[CHtmlApp::kSubmenuCount] = {
    {"新規HTML(&N)", {{29005, 29007}}, false},
    {"ヘッダ情報(&D)", {{29010, 29014}, kSep, {29110, 29115}}, false},
    {"本体(&Y)", {{29016, 29016}, kSep, {29116, 29116}}, false},
    {"フレーム(&F)", {{29065, 29066}, {29360, 29360}, kSep, {29165, 29166}, {29460, 29460}}, true},
    {"見出し/段落/区切り線など(&H)", {{29021, 29030}, kSep, {29121, 29130}}, false},
    {"文字装飾(&J)", {{29301, 29311}, kSep, {29401, 29411}}, false},
    {"改行(&B)", {{29315, 29315}, kSep, {29415, 29415}}, false},
    {"範囲指定(&V)", {{29031, 29031}, {29316, 29316}, kSep, {29131, 29131}, {29416, 29416}}, false},
    {"引用(&Q)", {{29317, 29317}, {29032, 29032}, kSep, {29417, 29417}, {29132, 29132}}, false},
    {"各種ｲﾝﾗｲﾝ要素(&E)", {{29420, 29428}}, true},
    {"箇条書き(&L)", {{29040, 29042}, {29335, 29337}, kSep, {29140, 29142}, {29435, 29437}}, false},
    {"作表(&T)", {{29050, 29052}, {29058, 29060}, kSep, {29151, 29160}}, false},
    {"アンカ・リンク・マップ(&A)", {{29345, 29348}, kSep, {29445, 29448}}, false},
    {"画像・ｵﾌﾞｼﾞｪｸﾄ・ｱﾌﾟﾚｯﾄ(&I)", {{29355, 29358}, kSep, {29455, 29458}}, false},
    {"スクリプト(&P)", {{29070, 29071}, kSep, {29170, 29171}}, false},
    {"フォーム(&M)", {{29072, 29073}, {29365, 29372}, kSep, {29172, 29173}, {29465, 29472}}, true},
};

// The caption, with the host's key text appended when the host is asked.
std::string WithKeyText(CHtmlApp& app, int id, std::string caption) {
  if (app.m_hHostWnd && app.m_nAppNumber == 1) {
    plat::CurrentBackend().SendMessage(app.m_hHostWnd, kMsgAskKeyText, static_cast<uintptr_t>(id), 0);
    caption += app.m_strHandedIn;
  }
  return caption;
}

void AppendRange(CHtmlApp& app, plat::MenuHandle menu, int first, int last) {
  plat::Backend& b = plat::CurrentBackend();
  for (int id = first; id <= last; ++id) {
    const char* text = LoadTagString(id);
    if (!text) continue;
    std::string t = text;
    size_t lf = t.find('\n');
    if (lf == std::string::npos) continue;
    b.AppendMenu(menu, plat::Backend::MF_STRING_, static_cast<uintptr_t>(id),
                 WithKeyText(app, id, t.substr(0, lf)));
  }
}

}  // namespace

void BuildHtmlMenu(CHtmlApp& app, plat::MenuHandle hostMenu) {
  plat::Backend& b = plat::CurrentBackend();
  if (!hostMenu) return;
  for (int i = 0; i < CHtmlApp::kSubmenuCount; ++i) {
    const Popup& p = kPopups[i];
    // A second call builds a fresh set; the earlier one stays with the host
    // menu that holds it, so it is not destroyed here.
    plat::MenuHandle sub = b.CreatePopupMenu();
    app.m_menus[i] = sub;
    for (const Range& r : p.items) {
      if (r == kSep) b.AppendMenu(sub, plat::Backend::MF_SEPARATOR_, 0, "");
      else AppendRange(app, sub, r.first, r.second);
    }
    b.AppendMenu(hostMenu, plat::Backend::MF_POPUP_, reinterpret_cast<uintptr_t>(sub), plat::J(p.caption));
    if (p.separatorAfter) b.AppendMenu(hostMenu, plat::Backend::MF_SEPARATOR_, 0, "");
  }
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, 29399, WithKeyText(app, 29399, plat::J("コメントアウト(&O)")));
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, 29398,
               WithKeyText(app, 29398, plat::J("CSS内コメントアウト(&U)")));
  b.AppendMenu(hostMenu, plat::Backend::MF_SEPARATOR_, 0, "");
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, 29001, plat::J("ツールボックス表示(&X)"));
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, 29002, plat::J("ツールボックスの設定(&W)"));
}

}  // namespace tq
