// The eight entry points, portable; the Windows exports are thin shells.
#pragma once
#include "plat/window.h"

namespace tq {

int GetHtmlVer();
void SetAppInfo(int appNumber, plat::WindowHandle host, int toolBoxFlags);
void SetStringToTagquill(const char* text);
void MakeHtmlMenu(plat::MenuHandle menu);
void OnToolBox(plat::WindowHandle target);
void MainGetFocus();
void OnChangeToolBoxSetting(plat::WindowHandle target);
// GetHtmlTagString: app/dispatch.h

}  // namespace tq
