// The exported functions: C shells over the portable entry points. Nothing
// may unwind into the host, so each shell stops every exception; the
// dispatch answers its own failures with the selection.
#include "app/dispatch.h"
#include "app/entry.h"
#include "app/html_app.h"
#include "platform/win32/win32_backend.h"
#include "app/tagquill_api.h"
#include "platform/win32/win32_api.h"

#include <cstddef>

// The framework's menu object: table pointer, then the handle.
static_assert(offsetof(TagquillMenuObject, m_hMenu) == TAGQUILL_MENU_HANDLE_OFFSET);
#if defined(__i386__)
static_assert(offsetof(TagquillMenuObject, m_hMenu) == 4 && sizeof(TagquillMenuObject) == 8);
#elif defined(__x86_64__)
static_assert(offsetof(TagquillMenuObject, m_hMenu) == 8 && sizeof(TagquillMenuObject) == 16);
#endif

extern "C" {

int __cdecl GetHtmlVer(void) {
  try {
    return tq::GetHtmlVer();
  } catch (...) {
    return CHtmlApp::kVersion;
  }
}

void __cdecl SetAppInfo(int appNumber, HWND host, int toolBoxFlags) {
  try {
    tq::SetAppInfo(appNumber, host, toolBoxFlags);
  } catch (...) {
  }
}

void __cdecl SetStringToTagquill(const char* text) {
  try {
    tq::SetStringToTagquill(text);
  } catch (...) {
  }
}

void __cdecl MakeHtmlMenu(void* menuObject) {
  auto* menu = static_cast<const TagquillMenuObject*>(menuObject);
  if (!menu || !menu->m_hMenu) return;
  try {
    tq::MakeHtmlMenu(menu->m_hMenu);
  } catch (...) {
  }
}

const char* __cdecl GetHtmlTagString(HWND parent, int tagId, const char* selection) {
  try {
    return tq::GetHtmlTagString(parent, tagId, selection);
  } catch (...) {
    // Whatever failed, the host keeps its text.
    return selection ? selection : "";
  }
}

void __cdecl OnToolBox(HWND target) {
  try {
    tq::OnToolBox(target);
  } catch (...) {
  }
}

void __cdecl MainGetFocus(void) {
  try {
    tq::MainGetFocus();
  } catch (...) {
  }
}

void __cdecl OnChangeToolBoxSetting(HWND target) {
  try {
    tq::OnChangeToolBoxSetting(target);
  } catch (...) {
  }
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      plat::InstallBackend(&plat::TheWin32Backend());
      try {
        return HtmlApp().InitInstance() ? TRUE : FALSE;
      } catch (...) {
        return FALSE;
      }
    case DLL_PROCESS_DETACH:
      try {
        HtmlApp().ExitInstance();
      } catch (...) {
      }
      break;
  }
  return TRUE;
}

}  // extern "C"
