// What the application object and the dispatch ask of the toolbox.
#pragma once
#define TAGQUILL_NUMBERS_ONLY
#include "app/tagquill_api.h"
#undef TAGQUILL_NUMBERS_ONLY
#include "plat/window.h"

class CHtmlApp;

namespace tq {

// Sent to the host window after the toolbox settings changed.
enum : unsigned { kToolBoxChanged = TAGQUILL_CMD_TOOLBOX_CHANGED };

// Creates the toolbox posting to target, or brings the open one forward.
void OpenToolBox(CHtmlApp& app, plat::WindowHandle target);
// Sends WM_CLOSE to the open toolbox window (it saves its position).
void CloseToolBox(CHtmlApp& app);
// Frees the sheet and pages after their window is gone.
void DeleteToolBox(CHtmlApp& app);
// Command 29002: the modal customization sheet.
void RunToolBoxCustomize(CHtmlApp& app, plat::WindowHandle parent);
// Brings the open toolbox window to the foreground.
void ToolBoxToFront(CHtmlApp& app);

}  // namespace tq
