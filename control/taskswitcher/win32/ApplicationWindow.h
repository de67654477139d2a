// The program's hidden application window: the owner of the task
// switcher's window, never shown and never listed as a task.
#pragma once

#include <windows.h>

namespace quorvel {

class ApplicationWindow {
 public:
  ApplicationWindow() = default;
  ~ApplicationWindow();
  ApplicationWindow(const ApplicationWindow&) = delete;
  ApplicationWindow& operator=(const ApplicationWindow&) = delete;

  // Made at the first call.
  HWND Window();

 private:
  HWND window_ = nullptr;
};

}  // namespace quorvel
