// Drives the modal dialogs of the test thread without a second thread or
// a timer: every time a dialog's message loop runs out of messages it
// tells its owner (WM_ENTERIDLE), and a thread hook sees that and runs the
// next step on the idle dialog. A step acts by sending or posting to the
// dialog, so the loop wakes up again. Dialogs that never report idling
// (DS_NOIDLEMSG: message boxes) get their step when they are activated.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

namespace e2e {

class DialogDriver {
 public:
  using Step = std::function<void(HWND dialog)>;
  DialogDriver();
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  DialogDriver& Then(Step s) {
    steps_.push_back(std::move(s));
    return *this;
  }
  size_t pending() const { return steps_.size(); }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK CbtHook(int code, WPARAM wp, LPARAM lp);
  void OnIdle(HWND dialog);

  HHOOK hook_ = nullptr;
  HHOOK cbt_ = nullptr;
  std::deque<Step> steps_;
  int strays_ = 0;
  bool running_ = false;
};

// Runs steps from the thread's message queue, inside whichever message
// loop is pumping it: the way to drive a modal property sheet, whose loop
// does not report idling. A step answers false when what it looks for is
// not there yet; it is tried again on a later turn of the loop.
class QueueDriver {
 public:
  using Step = std::function<bool()>;
  QueueDriver();
  ~QueueDriver();
  QueueDriver(const QueueDriver&) = delete;
  QueueDriver& operator=(const QueueDriver&) = delete;
  QueueDriver& Then(Step s) {
    steps_.push_back(std::move(s));
    return *this;
  }
  void Start();  // posts the first turn

 private:
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
  void Turn();
  HWND wnd_ = nullptr;
  std::deque<Step> steps_;
  int tries_ = 0;
};

// Delivers every message waiting for this thread's windows.
void Pump();

// Saves what the screen shows of a window as a BMP next to the tests. Take
// it when the window is idle and painted.
void Screenshot(HWND w, const char* file);

// Presses a button of the dialog as a user would.
void Click(HWND dialog, int id);
// Puts text into an edit box as typing would (the dialog sees the change).
void Type(HWND dialog, int id, const char* text);
std::string ItemText(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
bool Checked(HWND dialog, int id);
// Selects the entry of list box id that starts with prefix, or the one at
// index, and notifies the dialog, as a click on the entry does.
void SelectListEntry(HWND dialog, int id, const char* prefix);
void SelectListEntry(HWND dialog, int id, int index);
int ListCount(HWND dialog, int id);
// Selects the first entry of a combo box (of a common dialog) and notifies
// the dialog; its text, "" when the box is empty.
std::string SelectFirstComboEntry(HWND dialog, int id);
// One step up, as a click on the up arrow of an up-down control does.
void SpinUp(HWND dialog, int id);
// The file name box of an open-file dialog: a combo box in newer dialogs,
// an edit box in older ones.
int FileNameBox(HWND dialog);
std::string WindowTextA(HWND w);
std::string ClassName(HWND w);
// Whether w is of window class cls (class names ignore case).
bool IsClass(HWND w, const char* cls);
// Where w is on the screen.
RECT Rect(HWND w);
// The message text of a message box: its one static control with text.
std::string MessageBoxText(HWND box);

// A hidden top-level window to own dialogs: their idle messages go to it.
class Owner {
 public:
  Owner();
  ~Owner();
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;
  HWND get() const { return h_; }

 private:
  HWND h_;
};

// An empty file in a fresh directory under the temporary directory, both
// removed again; names may hold double-byte characters.
class TempFile {
 public:
  TempFile(const std::string& dirName, const std::string& fileName);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string dir;
  const std::string path;
};

}  // namespace e2e
