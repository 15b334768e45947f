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

// Presses a button of the dialog as a user would.
void Click(HWND dialog, int id);
std::string ItemText(HWND dialog, int id);
std::string WindowTextA(HWND w);
std::string ClassName(HWND w);
// The message text of a message box: its one static control with text.
std::string MessageBoxText(HWND box);

}  // namespace e2e
