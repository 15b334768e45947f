// The HTML menu: sixteen submenus, the comment items and the toolbox items.
#pragma once
#include "app/tagquill_api.h"
#include "plat/window.h"

class CHtmlApp;

namespace tq {

enum : unsigned { kMsgAskKeyText = TAGQUILL_MSG_ASK_KEY_TEXT };

void BuildHtmlMenu(CHtmlApp& app, plat::MenuHandle hostMenu);

}  // namespace tq
