// The plug-in's application object: what the host told it, the HTML
// submenus and the open toolbox.
#pragma once
#include <string>

#include "plat/app.h"
#define TAGQUILL_NUMBERS_ONLY
#include "app/tagquill_api.h"
#undef TAGQUILL_NUMBERS_ONLY
#include "plat/window.h"
#include "toolbox/toolbox_hooks.h"

class CHtmlApp : public plat::App {
 public:
  static constexpr int kVersion = TAGQUILL_VERSION;
  static constexpr int kSubmenuCount = 16;

  CHtmlApp();
  ~CHtmlApp() override;

  bool InitInstance() override;
  int ExitInstance() override;
  // Called when the toolbox window is destroyed: drops the sheet and pages.
  void ForgetToolBox();
  // What the toolbox is told of the host.
  tq::ToolBoxInputs ToolBoxInputs();

  int m_nVersion = kVersion;
  int m_nAppNumber = 1;
  plat::WindowHandle m_hHostWnd = nullptr;
  int m_nToolBoxFlags = 0;
  std::string m_strHandedIn;
  tq::ToolBoxWindows m_toolBox;  // the open toolbox, if any
  plat::MenuHandle m_menus[kSubmenuCount] = {};
};

CHtmlApp& HtmlApp();  // the module's application object
