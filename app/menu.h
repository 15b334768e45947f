// The HTML menu: sixteen submenus, the comment items and the toolbox items.
#pragma once
#define TAGQUILL_NUMBERS_ONLY
#include "app/tagquill_api.h"
#undef TAGQUILL_NUMBERS_ONLY
#include "plat/window.h"

class CHtmlApp;

namespace tq {

enum : unsigned { kMsgAskKeyText = TAGQUILL_MSG_ASK_KEY_TEXT };

void BuildHtmlMenu(CHtmlApp& app, plat::MenuHandle hostMenu);

}  // namespace tq
