#include "app/html_app.h"

#include "plat/backend.h"
#include "toolbox/toolbox_hooks.h"

const char* const kSection = "HTML";

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
  if (m_pToolBox) tq::CloseToolBox(*this);
  return plat::App::ExitInstance();
}

void CHtmlApp::ForgetToolBox() {
  tq::DeleteToolBox(*this);
  m_pToolBox = nullptr;
  m_pPage1 = m_pPage2 = nullptr;
}
