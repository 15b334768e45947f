#include "app/menu.h"

#include <string>

#include "app/html_app.h"
#include "plat/backend.h"
#include "plat/text.h"
#include "res/commands.h"
#include "res/string_table.h"

namespace tq {

namespace {

struct Popup {
  const char* caption;
  bool separatorAfter;  // a separator in the host's menu after this popup
};

// The submenus; their items are the command table's rows that name them.
const Popup kPopups[CHtmlApp::kSubmenuCount] = {
    {"新規HTML(&N)", false},
    {"ヘッダ情報(&D)", false},
    {"本体(&Y)", false},
    {"フレーム(&F)", true},
    {"見出し/段落/区切り線など(&H)", false},
    {"文字装飾(&J)", false},
    {"改行(&B)", false},
    {"範囲指定(&V)", false},
    {"引用(&Q)", false},
    {"各種ｲﾝﾗｲﾝ要素(&E)", true},
    {"箇条書き(&L)", false},
    {"作表(&T)", false},
    {"アンカ・リンク・マップ(&A)", false},
    {"画像・ｵﾌﾞｼﾞｪｸﾄ・ｱﾌﾟﾚｯﾄ(&I)", false},
    {"スクリプト(&P)", false},
    {"フォーム(&M)", true},
};

// The caption, with the host's key text appended when the host is asked.
std::string WithKeyText(CHtmlApp& app, int id, std::string caption) {
  if (app.m_hHostWnd && app.m_nAppNumber == 1) {
    plat::CurrentBackend().SendMessage(app.m_hHostWnd, kMsgAskKeyText, static_cast<uintptr_t>(id), 0);
    caption += app.m_strHandedIn;
  }
  return caption;
}

void AppendItem(CHtmlApp& app, plat::MenuHandle menu, int id) {
  const char* text = LoadTagString(id);
  if (!text) return;
  std::string t = text;
  size_t lf = t.find('\n');
  if (lf == std::string::npos) return;
  plat::CurrentBackend().AppendMenu(menu, plat::Backend::MF_STRING_, static_cast<uintptr_t>(id),
                                    WithKeyText(app, id, t.substr(0, lf)));
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
    for (int k = 0; k < kCommandCount; ++k) {
      const Command& c = kCommands[k];
      if (c.submenu != i) continue;
      if (c.separatorBefore) b.AppendMenu(sub, plat::Backend::MF_SEPARATOR_, 0, "");
      AppendItem(app, sub, c.id);
    }
    b.AppendMenu(hostMenu, plat::Backend::MF_POPUP_, reinterpret_cast<uintptr_t>(sub), plat::J(p.caption));
    if (p.separatorAfter) b.AppendMenu(hostMenu, plat::Backend::MF_SEPARATOR_, 0, "");
  }
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, cmd::kComment,
               WithKeyText(app, cmd::kComment, plat::J("コメントアウト(&O)")));
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, cmd::kCssComment,
               WithKeyText(app, cmd::kCssComment, plat::J("CSS内コメントアウト(&U)")));
  b.AppendMenu(hostMenu, plat::Backend::MF_SEPARATOR_, 0, "");
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, cmd::kToolBox, plat::J("ツールボックス表示(&X)"));
  b.AppendMenu(hostMenu, plat::Backend::MF_STRING_, cmd::kToolBoxSettings, plat::J("ツールボックスの設定(&W)"));
}

}  // namespace tq
