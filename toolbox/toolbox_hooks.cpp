// Until the toolbox exists these do nothing, and create nothing.
#include "toolbox/toolbox_hooks.h"

#include "app/html_app.h"

namespace tq {

void OpenToolBox(CHtmlApp&, plat::WindowHandle) {}
void CloseToolBox(CHtmlApp& app) { app.ForgetToolBox(); }
void DeleteToolBox(CHtmlApp&) {}
void RunToolBoxCustomize(CHtmlApp&, plat::WindowHandle) {}

}  // namespace tq

namespace tq {
void ToolBoxToFront(CHtmlApp&) {}
}  // namespace tq
