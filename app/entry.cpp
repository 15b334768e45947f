#include "app/entry.h"

#include "app/html_app.h"
#include "app/menu.h"
#include "plat/app.h"
#include "plat/backend.h"
#include "toolbox/toolbox_hooks.h"

namespace tq {

int GetHtmlVer() {
  plat::ModuleStateGuard guard;
  return HtmlApp().m_nVersion;
}

void SetAppInfo(int appNumber, plat::WindowHandle host, int toolBoxFlags) {
  plat::ModuleStateGuard guard;
  CHtmlApp& app = HtmlApp();
  app.m_nAppNumber = appNumber;
  app.m_hHostWnd = host;
  app.m_nToolBoxFlags = toolBoxFlags;
}

void SetStringToTagquill(const char* text) {
  plat::ModuleStateGuard guard;
  HtmlApp().m_strHandedIn = text ? text : "";
}

void MakeHtmlMenu(plat::MenuHandle menu) {
  plat::ModuleStateGuard guard;
  BuildHtmlMenu(HtmlApp(), menu);
}

void OnToolBox(plat::WindowHandle target) {
  plat::ModuleStateGuard guard;
  CHtmlApp& app = HtmlApp();
  if (app.m_toolBox.sheet) {
    ToolBoxToFront(app.m_toolBox);
    return;
  }
  OpenToolBox(app.m_toolBox, app.ToolBoxInputs(), target);
}

void MainGetFocus() {
  plat::ModuleStateGuard guard;
  CHtmlApp& app = HtmlApp();
  if (app.m_toolBox.sheet) ToolBoxToFront(app.m_toolBox);
}

void OnChangeToolBoxSetting(plat::WindowHandle target) {
  plat::ModuleStateGuard guard;
  CHtmlApp& app = HtmlApp();
  if (!app.m_toolBox.sheet) return;
  CloseToolBox(app.m_toolBox);
  OnToolBox(target);
}

}  // namespace tq
