#include "app/html_app.h"

#include "plat/backend.h"
#include "toolbox/toolbox_hooks.h"

namespace {
CHtmlApp theApp;
}

CHtmlApp& HtmlApp() { return theApp; }

CHtmlApp::CHtmlApp() : plat::App("Tagquill") {}

CHtmlApp::~CHtmlApp() {
  for (auto& m : m_menus) {
    if (m && plat::CurrentBackendOrNull()) plat::CurrentBackend().DestroyMenu(m);
    m = nullptr;
  }
}

bool CHtmlApp::InitInstance() {
  SetRegistryKey("Brambleware");
  return plat::App::InitInstance();
}

int CHtmlApp::ExitInstance() {
  if (m_toolBox.sheet) tq::CloseToolBox(m_toolBox);
  return plat::App::ExitInstance();
}

void CHtmlApp::ForgetToolBox() { tq::ForgetToolBox(m_toolBox); }

tq::ToolBoxInputs CHtmlApp::ToolBoxInputs() {
  return {m_nAppNumber, m_nToolBoxFlags, m_hHostWnd, TAGQUILL_CMD_TOOLBOX_CHANGED,
          [] { HtmlApp().ForgetToolBox(); }};
}
