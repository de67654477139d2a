// How the programs and the libraries reach each other: the private message
// numbers, the registered message and event names, the name of the shared
// record, and what marks the control program's own windows.
#pragma once

#include <cstdint>

namespace quorvel {

// ---- private messages of the control program (fixed, not registered)
constexpr uint32_t INSTANCE_ACTIVATE_MESSAGE = 0xC001;  // a second start, to the running main window
constexpr uint32_t TASK_LIST_MESSAGE = 0xC002;          // shows the task switcher
constexpr uint32_t DRAG_SCROLL_STEP_MESSAGE = 0xC003;   // main window: one drag-to-scroll step
constexpr uint32_t DRAG_SCROLL_END_MESSAGE = 0xC004;    // main window: the drag ended (ForgetActiveFrame)
constexpr uint32_t AUTO_CLICK_MESSAGE = 0xC004;         // auto-click window: show the box
constexpr uint32_t EXIT_REQUEST_MESSAGE = 0xC005;       // "Quorvel.exe /exit", to the running main window
// Posted by a hook to the main window: Quorvel.exe starts one of its own
// fixed programs (wParam: one of the LAUNCH_ actions; lParam: 0). Starting
// programs never happens inside a hook, on a host program's thread, and the
// request never carries a path.
constexpr uint32_t LAUNCH_REQUEST_MESSAGE = 0xC006;
constexpr uint32_t LAUNCH_SHOW_DESKTOP = 1;  // ShowDesktop.scf, then SetForegroundWindow.exe with the taskbar
constexpr uint32_t LAUNCH_BROWSER = 2;       // a new window of the user's browser
// The range a registered window's message must lie in before anything is
// posted to it.
constexpr uint32_t PRIVATE_MESSAGE_FIRST = 0xC000;
constexpr uint32_t PRIVATE_MESSAGE_LAST = 0xFFFF;
constexpr bool IsPrivateMessageNumber(uint32_t m) { return m >= PRIVATE_MESSAGE_FIRST && m <= PRIVATE_MESSAGE_LAST; }

// Posted to the 64-bit helper's thread: remove the 64-bit hooks and end.
constexpr uint32_t HOOK64_STOP_MESSAGE = 0x8064;  // WM_APP + 0x64

// ---- the control program's own windows
constexpr uint32_t OWN_WINDOW_MARKER = 0xAAAAAAAA;  // in GWL_USERDATA of each of them
constexpr char MAIN_WINDOW_CLASS[] = "ThunderRT6FormDC";
constexpr char MAIN_WINDOW_CAPTION[] = "Quorvel";
constexpr char TASK_LIST_CAPTION[] = "Easy task switcher";

// ---- named objects
constexpr char OUTER_WAIT_EVENT_NAME[] = "QuorvelOuterWaitEventString";
constexpr char INNER_WAIT_EVENT_NAME[] = "QuorvelInnerWaitEventString";
constexpr char SMART_SCROLL_CURSOR_MESSAGE_NAME[] = "QuorvelSetSmartScrollCursorMessage";
// The shared record's mapping; its size is part of the name, so libraries
// of different record layouts never share one. It and the two events live in
// the user's private namespace (hooklib/core/RecordSecurity.h).
constexpr char SHARED_STATE_MAPPING_PREFIX[] = "QuorvelSharedState-";

}  // namespace quorvel
