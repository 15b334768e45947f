// What the application object and the dispatch ask of the toolbox. The
// toolbox is handed what it needs to know (ToolBoxInputs) and the windows
// it made (ToolBoxWindows); it never reaches for the application object.
#pragma once
#include <functional>

#include "plat/window.h"

class CTBSheet;
class CTBPage;

namespace tq {

struct ToolBoxInputs {
  int appNumber = 1;                  // whose values it reads and writes
  int placementFlags = 0;             // where the host wants it (PlaceToolBox)
  plat::WindowHandle host = nullptr;  // told when the settings change:
  unsigned changedCommand = 0;        // posted to it as WM_COMMAND
  std::function<void()> destroyed;    // its window is gone: forget it
};

// The open toolbox: its sheet and two pages, all null when there is none.
struct ToolBoxWindows {
  CTBSheet* sheet = nullptr;
  CTBPage* page1 = nullptr;
  CTBPage* page2 = nullptr;
};

// Creates the toolbox posting to target, or brings the open one forward.
void OpenToolBox(ToolBoxWindows& tb, const ToolBoxInputs& in, plat::WindowHandle target);
// Sends WM_CLOSE to the open toolbox window (it saves its position).
void CloseToolBox(ToolBoxWindows& tb);
// Frees the sheet and pages after their window is gone, and clears tb.
void ForgetToolBox(ToolBoxWindows& tb);
// The toolbox settings command: the modal customization sheet.
void RunToolBoxCustomize(const ToolBoxInputs& in, plat::WindowHandle parent);
// Brings the open toolbox window to the foreground.
void ToolBoxToFront(const ToolBoxWindows& tb);

}  // namespace tq
