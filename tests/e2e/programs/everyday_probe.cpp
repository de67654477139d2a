// Looks at and drives the running control program's notification-area icon,
// and opens a borderless window that covers the screen:
//   everyday_probe tray                 "tray=<window> tip=<caption> icon=<0|1>"
//                                       (icon: the notification area knows
//                                       the icon; tray=none without window)
//   everyday_probe post MSG WPARAM LPARAM   posts to the icon's window (numbers
//                                       in C notation; MSG "TaskbarCreated" is
//                                       the registered message, sent to all)
//   everyday_probe menu                 "menu=1" while a popup menu is shown
//   everyday_probe forget               removes the icon from the notification area
//   everyday_probe fullscreen TITLE     a borderless window over the whole
//                                       primary screen, brought to the front
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT TrayIconUid = 1;

HWND TrayWindow() { return FindWindowA("QuorvelTrayWindow", nullptr); }

NOTIFYICONDATAA IconOf(HWND window) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = TrayIconUid;
  return data;
}

int Tray() {
  HWND window = TrayWindow();
  if (!window) {
    std::printf("tray=none\n");
    return 0;
  }
  char tip[128] = {};
  GetWindowTextA(window, tip, sizeof tip);
  // Modifying nothing succeeds only for an icon the notification area holds.
  NOTIFYICONDATAA data = IconOf(window);
  const BOOL known = Shell_NotifyIconA(NIM_MODIFY, &data);
  std::printf("tray=%p tip=%s icon=%d\n", static_cast<void*>(window), tip, known ? 1 : 0);
  return 0;
}

int Post(const char* message, const char* wParam, const char* lParam) {
  HWND window = TrayWindow();
  if (!window) return 1;
  const WPARAM w = std::strtoul(wParam, nullptr, 0);
  const LPARAM l = static_cast<LPARAM>(std::strtoul(lParam, nullptr, 0));
  if (std::strcmp(message, "TaskbarCreated") == 0) {
    return PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), w, l) ? 0 : 1;
  }
  return PostMessageA(window, static_cast<UINT>(std::strtoul(message, nullptr, 0)), w, l) ? 0 : 1;
}

int Menu() {
  HWND menu = FindWindowA("#32768", nullptr);
  std::printf("menu=%d\n", menu && IsWindowVisible(menu) ? 1 : 0);
  return 0;
}

int Forget() {
  NOTIFYICONDATAA data = IconOf(TrayWindow());
  return Shell_NotifyIconA(NIM_DELETE, &data) ? 0 : 1;
}

LRESULT CALLBACK FullScreenProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

int FullScreen(const char* title) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = FullScreenProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "EverydayFullScreen";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, title, WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  std::printf("window=%p\n", static_cast<void*>(window));
  std::fflush(stdout);
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "tray") == 0) return Tray();
  if (argc >= 5 && std::strcmp(argv[1], "post") == 0) return Post(argv[2], argv[3], argv[4]);
  if (argc >= 2 && std::strcmp(argv[1], "forget") == 0) return Forget();
  if (argc >= 2 && std::strcmp(argv[1], "menu") == 0) return Menu();
  if (argc >= 3 && std::strcmp(argv[1], "fullscreen") == 0) return FullScreen(argv[2]);
  std::fprintf(stderr, "usage: everyday_probe tray | post MSG W L | menu | forget | fullscreen TITLE\n");
  return 2;
}
