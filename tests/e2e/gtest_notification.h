// GoogleTest's Notification, included ahead of every GoogleTest source and
// test: its own one needs std::mutex, which the compiler's native (win32)
// thread model, used for the small DLL, lacks. A Win32 event underneath
// (gtest_notification.cpp), kept out of this header so that windows.h does
// not come before the platform headers.
#pragma once

namespace testing {
namespace internal {

class Notification {
 public:
  Notification();
  ~Notification();
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify();
  void WaitForNotification();

 private:
  void* event_;
};

}  // namespace internal
}  // namespace testing
