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
  // Idle dialogs found with no step left (each was cancelled).
  int strays() const { return strays_; }

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
  size_t pending() const { return steps_.size(); }

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
std::string ItemText(HWND dialog, int id);
// Selects the entry of list box id that starts with prefix and notifies
// the dialog, as a click on the entry does.
void SelectListEntry(HWND dialog, int id, const char* prefix);
std::string WindowTextA(HWND w);
std::string ClassName(HWND w);
// The message text of a message box: its one static control with text.
std::string MessageBoxText(HWND box);

}  // namespace e2e
