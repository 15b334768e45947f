// A small host editor for Tagquill.dll: a main window with a menu bar and
// a multi-line edit box, talking to the DLL the way a real host does. The
// program tqhost.exe and the end-to-end tests share it.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "app/tagquill_api.h"

namespace tqhost {

// The DLL's eight exports, looked up by name.
struct Plugin {
  HMODULE module = nullptr;
  TagquillGetHtmlVerFn GetHtmlVer = nullptr;
  TagquillSetAppInfoFn SetAppInfo = nullptr;
  TagquillSetStringFn SetStringToTagquill = nullptr;
  TagquillMakeHtmlMenuFn MakeHtmlMenu = nullptr;
  TagquillGetHtmlTagStringFn GetHtmlTagString = nullptr;
  TagquillWindowFn OnToolBox = nullptr;
  TagquillVoidFn MainGetFocus = nullptr;
  TagquillWindowFn OnChangeToolBoxSetting = nullptr;

  // Loads path; false with a reason when the file or an export is missing.
  bool Load(const std::string& path, std::string* error);
  void Unload();
};

// A menu object as the host framework's menu class has it: polymorphic, so
// its first word is the virtual-function table pointer, then the handle.
// The host hands the DLL the address of such an object, never a bare
// handle.
class HostMenu {
 public:
  explicit HostMenu(HMENU h) : m_hMenu(h) {}
  virtual ~HostMenu() = default;
  virtual HMENU Handle() const { return m_hMenu; }
  HMENU m_hMenu;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(HostMenu, m_hMenu) == TAGQUILL_MENU_HANDLE_OFFSET,
              "the handle follows the table pointer");
#if defined(__i386__)
static_assert(offsetof(HostMenu, m_hMenu) == 4 && sizeof(HostMenu) == 8, "32-bit framework layout");
#endif
#pragma GCC diagnostic pop

// The directory of the running program, with a trailing backslash.
std::string ProgramDir();

// The text the host hands over for a command while the menu is built:
// a tab and a key name made from the id ("\tK29021").
std::string KeyText(int id);

enum : int { kCmdExit = 100, kCmdToolBoxFront = 101 };

struct HostOptions {
  int appNumber = 1;
  bool answerKeyText = true;   // call SetStringToTagquill while handling 11801
  bool quitOnDestroy = false;  // end the message loop when the window goes
  int toolBoxFlags = 0;        // SetAppInfo's third value
};

class HostWindow {
 public:
  // Creates the window (not shown), tells the DLL about it and builds the
  // HTML menu into the menu bar. nullptr when the window cannot be made.
  static HostWindow* Create(Plugin& plugin, const HostOptions& options);
  ~HostWindow();  // destroys the window
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND edit() const { return edit_; }
  HMENU menuBar() const { return bar_; }
  HMENU htmlMenu() const { return html_; }
  // Ids of the 11801 requests, in the order they came, with their lParam.
  const std::vector<int>& asked() const { return asked_; }
  const std::vector<LPARAM>& askedLParams() const { return askedLp_; }

  // The edit box's text in code page 932; selection in characters.
  void SetText(const std::string& cp932);
  std::string Text() const;
  void Select(int first, int last);  // -1 for last: to the end
  std::string Selection() const;

  // What a pick of a command does: the selection goes to the DLL and its
  // answer replaces the selection.
  void RunTagCommand(int id);

 private:
  HostWindow(Plugin& plugin, const HostOptions& options) : plugin_(plugin), options_(options) {}
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(HWND h, UINT msg, WPARAM wp, LPARAM lp);

  Plugin& plugin_;
  HostOptions options_;
  HWND hwnd_ = nullptr;
  HWND edit_ = nullptr;
  HMENU bar_ = nullptr;
  HMENU html_ = nullptr;
  std::vector<int> asked_;
  std::vector<LPARAM> askedLp_;
};

// Conversions between the edit box (UTF-16) and the DLL's text (CP932).
std::wstring FromCp932(const std::string& s);
std::string ToCp932(const std::wstring& w);

}  // namespace tqhost
