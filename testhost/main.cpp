// tqhost.exe: the test host editor as a program. Loads Tagquill.dll from
// its own directory.
#include <windows.h>

#include <memory>

#include "testhost/host.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  tqhost::Plugin plugin;
  std::string error;
  if (!plugin.Load(tqhost::ProgramDir() + "Tagquill.dll", &error)) {
    MessageBoxA(nullptr, error.c_str(), "tqhost", MB_OK | MB_ICONERROR);
    return 1;
  }
  tqhost::HostOptions options;
  options.quitOnDestroy = true;
  std::unique_ptr<tqhost::HostWindow> host(tqhost::HostWindow::Create(plugin, options));
  if (!host) {
    MessageBoxA(nullptr, "cannot create the main window", "tqhost", MB_OK | MB_ICONERROR);
    return 1;
  }
  ShowWindow(host->hwnd(), show);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  host.reset();
  plugin.Unload();
  return static_cast<int>(msg.wParam);
}
