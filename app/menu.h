// The HTML menu: sixteen submenus, the comment items and the toolbox items.
#pragma once
#include "plat/window.h"

class CHtmlApp;

namespace tq {

enum : unsigned { kMsgAskKeyText = 11801, kMsgToolBoxChanged = 11802 };

void BuildHtmlMenu(CHtmlApp& app, plat::MenuHandle hostMenu);

}  // namespace tq
