#include "TaskListForm.h"

#include "control/core/win32/DebugLine.h"
#include "control/core/win32/RegistryPreferences.h"
#include "control/core/InstanceHandOver.h"
#include "control/core/PrivateMessages.h"
#include "control/taskswitcher/TaskListPlacement.h"

namespace quorvel {

namespace {

constexpr int ICON_SIZE = 16;
constexpr UINT_PTR LIST_SUBCLASS_ID = 1;
constexpr int LIST_CONTROL_ID = 1;
constexpr unsigned MOUSE_MOVE_INTERVAL_MS = 300;
constexpr unsigned FOREGROUND_WATCH_MS = 250;

const FormTable& TaskListFormTable() {
    static const FormTable table{TASK_LIST_CAPTION,      3600,       2400,         0,
                                 FormFrame::FixedSingle, {true, 15}, MESSAGE_FONT, {}};
    return table;
}

// A 16 x 16 drawing area: an icon drawn on a background colour, ready to
// be added to an image list.
class IconPicture {
public:
    IconPicture() {
        const WindowDc screen(nullptr);
        dc_.Reset(CreateCompatibleDC(screen.Get()));
        bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), ICON_SIZE, ICON_SIZE));
    }

    // The bitmap is left unselected, as an image list wants it.
    HBITMAP Draw(HICON icon, COLORREF background) {
        if (!dc_ || !bitmap_) return nullptr;
        const Selected drawn(dc_.Get(), bitmap_.Get());
        const RECT all{0, 0, ICON_SIZE, ICON_SIZE};
        SetBkColor(dc_.Get(), background);
        ExtTextOutA(dc_.Get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
        DrawIconEx(dc_.Get(), 0, 0, icon, ICON_SIZE, ICON_SIZE, 0, nullptr, DI_NORMAL);
        return bitmap_.Get();
    }

private:
    OwnedMemoryDc dc_;  // goes after the bitmap
    OwnedBitmap bitmap_;
};

}  // namespace

TaskListForm::TaskListForm(HookLibrary& library)
    : Form(TaskListFormTable()),
      windows_(library),
      module_(windows_),
      hotkeyRegistration_(TASK_LIST_HOT_KEY_ID),
      hotkey_(TaskSwitcherHotkey()),
      MouseMoveTimer(*this, MOUSE_MOVE_INTERVAL_MS, false, [this] { MouseMoveTimer_Timer(); }),
      ForegroundTimer(*this, FOREGROUND_WATCH_MS, false, [this] { ForegroundTimer_Timer(); }) {}

TaskListForm::~TaskListForm() {
    if (ListView1 && IsWindow(ListView1)) ListView_SetImageList(ListView1, nullptr, LVSIL_SMALL);
    hotkey_.Stop();
}

void TaskListForm::OnLoad() {
    MarkOwnWindow(Window());
    // With a minimize box the switcher is no dialog box to the hooks, so
    // Smart Move leaves the pointer where the user opened it; the box's
    // command itself is swallowed.
    SetWindowLongPtrA(Window(), GWL_STYLE, GetWindowLongPtrA(Window(), GWL_STYLE) | WS_MINIMIZEBOX);
    SetWindowPos(Window(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    module_.SetTaskListWindow(HandleValue(Window()));
    AllowTaskListMessageFromBelow();
    CreateList();
    // A hotkey another program holds already is left to it; the user hears
    // of it from the notification icon and in the settings.
    hotkeyRegistration_.SetWindow(Window());
    RegistryPreferences preferences;
    hotkey_.Start(preferences, hotkeyRegistration_);
    if (!hotkey_.Problem().empty()) WriteDebugLine("Task switcher has no hotkey: " + hotkey_.Problem());
}

// The wheel over the taskbar posts TASK_LIST_MESSAGE from the taskbar's
// process; when Quorvel runs elevated, Windows drops such messages from
// normal programs unless the window lets them in (Vista and later; looked up
// at run time so that older systems still start).
void TaskListForm::AllowTaskListMessageFromBelow() {
    using FilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    constexpr DWORD ALLOW = 1;  // MSGFLT_ALLOW
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC found = user32 ? GetProcAddress(user32, "ChangeWindowMessageFilterEx") : nullptr;
    if (found)
        reinterpret_cast<FilterFunction>(reinterpret_cast<void*>(found))(Window(), TASK_LIST_MESSAGE, ALLOW, nullptr);
}

void TaskListForm::CreateList() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    RECT client{};
    GetClientRect(Window(), &client);
    ListView1 = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                    LVS_NOCOLUMNHEADER | LVS_SHAREIMAGELISTS,
                                0, 0, client.right, client.bottom, Window(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(LIST_CONTROL_ID)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!ListView1) return;
    SendMessageA(ListView1, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    ListView_SetExtendedListViewStyle(ListView1, LVS_EX_FULLROWSELECT);
    SetWindowSubclass(ListView1, &TaskListForm::ListProcedure, LIST_SUBCLASS_ID, reinterpret_cast<DWORD_PTR>(this));
    IconImageList.Reset(ImageList_Create(ICON_SIZE, ICON_SIZE, ILC_COLOR24, 0, 8));
}

bool TaskListForm::OnQueryUnload() {
    hotkey_.Stop();
    if (ListView1) ListView_SetImageList(ListView1, nullptr, LVSIL_SMALL);
    MouseMoveTimer.SetEnabled(false);
    ForegroundTimer.SetEnabled(false);
    return false;
}

LRESULT TaskListForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return TaskListWindowProc(message, wParam, lParam);
}

LRESULT TaskListForm::TaskListWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND: {
            // The low four bits are the system's own (a caption double-click
            // sends SC_MAXIMIZE + 2).
            const WPARAM command = wParam & 0xFFF0;
            if (command == SC_MAXIMIZE || command == SC_MINIMIZE || command == SC_RESTORE) return 1;
            break;
        }
        case WM_ACTIVATEAPP:
            if (!wParam) ShowWindow(Window(), SW_HIDE);
            break;
        case TASK_LIST_MESSAGE:
            // Any program may post it: only the plain request (0, 0) counts.
            if (!AcceptPrivateMessage(
                    {PrivateWindow::TaskList, message, static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam)})) {
                return 0;
            }
            if (!Visible()) ShowTasks(TaskListOpener::Mouse);
            return 1;
        case WM_HOTKEY:
            if (wParam != static_cast<WPARAM>(hotkeyRegistration_.Id())) break;
            if (!Visible()) ShowTasks(TaskListOpener::Keyboard);
            return 0;
        case WM_CLOSE:  // the switcher lives as long as the program: only hidden
            Hide();
            return 0;
        case WM_COMMAND:
            // Enter and Esc in the list: the message loop's dialog keys make
            // them IDOK and IDCANCEL before the list sees them (the arrows
            // the list takes itself).
            if (LOWORD(wParam) == IDCANCEL) {
                Cancel();
                return 0;
            }
            if (LOWORD(wParam) == IDOK) {
                const int item = ListView_GetNextItem(ListView1, -1, LVNI_SELECTED);
                if (item >= 0) ListView1_ItemClick(item);
                return 0;
            }
            break;
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header && header->hwndFrom == ListView1) return OnNotify(*header);
            break;
        }
        default: break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

LRESULT TaskListForm::OnNotify(const NMHDR& header) {
    switch (header.code) {
        case NM_CLICK: {
            int item = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
            if (item < 0) {
                LVHITTESTINFO hit{};
                GetCursorPos(&hit.pt);
                ScreenToClient(ListView1, &hit.pt);
                item = ListView_HitTest(ListView1, &hit);
            }
            if (item >= 0) ListView1_ItemClick(item);
            return 0;
        }
        case NM_RETURN: {
            const int item = ListView_GetNextItem(ListView1, -1, LVNI_SELECTED);
            if (item >= 0) ListView1_ItemClick(item);
            return 0;
        }
        case LVN_KEYDOWN:
            if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_ESCAPE) Cancel();
            return 0;
        default: return 0;
    }
}

LRESULT CALLBACK TaskListForm::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR form) {
    if (message == WM_MOUSEMOVE) {
        reinterpret_cast<TaskListForm*>(form)->ListView1_MouseMove();
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, &TaskListForm::ListProcedure, id);
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

// Messages sent to the switcher while it waits for icons are handled
// meanwhile: a second request then finds it busy and is dropped.
void TaskListForm::ShowTasks(TaskListOpener opener) {
    if (!Loaded() || !ListView1 || refreshing_) return;
    foreground_.Opening();
    refreshing_ = true;
    module_.RefreshTaskList();
    refreshing_ = false;
    if (module_.TaskCollection().empty()) return;
    FillIcons();
    FillRows();
    PlaceTaskList(opener, foreground_.Before());
    // The arrows start from the first row; by the keyboard it is selected,
    // so that Enter goes back to the window in front.
    const UINT first = LVIS_FOCUSED | (opener == TaskListOpener::Keyboard ? LVIS_SELECTED : 0);
    ListView_SetItemState(ListView1, 0, first, LVIS_FOCUSED | LVIS_SELECTED);
    Show();
    TakeForeground(Window());
    SetFocus(ListView1);
    hover_.Reset();
    foreground_.Shown(Window());
    ForegroundTimer.SetEnabled(true);
}

// Esc: back to where the user was.
void TaskListForm::Cancel() {
    foreground_.GiveBack();
    Hide();
}

// Deactivation hides the switcher (WM_ACTIVATEAPP); when it never became
// active, a look at the window in front does.
void TaskListForm::ForegroundTimer_Timer() {
    if (!Visible()) {
        ForegroundTimer.SetEnabled(false);
        return;
    }
    if (foreground_.UserWentElsewhere()) {
        ForegroundTimer.SetEnabled(false);
        Hide();
    }
}

// A bound image list may not be changed: it is detached first.
void TaskListForm::FillIcons() {
    ListView_SetImageList(ListView1, nullptr, LVSIL_SMALL);
    ImageList_RemoveAll(IconImageList.Get());
    ListView_DeleteAllItems(ListView1);
    while (ListView_DeleteColumn(ListView1, 0)) {
    }
    rowImages_.clear();
    const COLORREF background = ListView_GetBkColor(ListView1);
    IconPicture picture;
    for (const ClassTaskInfo& task : module_.TaskCollection()) {
        int image = -1;
        if (task.icon) {
            HBITMAP drawn = picture.Draw(reinterpret_cast<HICON>(WindowOfHandle(task.icon)), background);
            if (drawn) image = ImageList_Add(IconImageList.Get(), drawn, nullptr);
        }
        rowImages_.push_back(image);
    }
}

void TaskListForm::FillRows() {
    ListView_SetImageList(ListView1, IconImageList.Get(), LVSIL_SMALL);
    // Filled at a size the rows fit in: scroll bars the list had at the
    // last showing would otherwise keep each other once it is sized to them.
    MoveWindow(ListView1, 0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN), FALSE);
    RECT outer{};
    GetWindowRect(ListView1, &outer);
    char header[] = "Active tasks";
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = header;
    column.cx = outer.right - outer.left;
    SendMessageA(ListView1, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    rowKeys_.clear();
    const std::vector<ClassTaskInfo>& tasks = module_.TaskCollection();
    for (size_t i = 0; i < tasks.size(); ++i) {
        std::string title = tasks[i].title;
        LVITEMA row{};
        row.mask = LVIF_TEXT | LVIF_IMAGE;
        row.iItem = static_cast<int>(i);
        row.pszText = &title[0];
        row.iImage = rowImages_[i] >= 0 ? rowImages_[i] : I_IMAGENONE;
        SendMessageA(ListView1, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
        rowKeys_.push_back(TaskKey(tasks[i].hwnd));
    }
}

void TaskListForm::AutoSizeColumns() {
    HWND header = ListView_GetHeader(ListView1);
    const int columns = header ? Header_GetItemCount(header) : 1;
    for (int i = 0; i < columns; ++i) ListView_SetColumnWidth(ListView1, i, LVSCW_AUTOSIZE);
}

int TaskListForm::RowCount() const { return ListView_GetItemCount(ListView1); }

RECT TaskListForm::RowBounds(int row) const {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    SendMessageA(ListView1, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
    return bounds;
}

// The primary monitor keeps the classic full-screen area; on another
// monitor the form stays within that monitor's work area. By the mouse the
// monitor under the pointer, by the keyboard that of the window in front.
void TaskListForm::PlaceTaskList(TaskListOpener opener, HWND front) {
    AutoSizeColumns();
    const RECT row = RowBounds(0);
    TaskListContent content;
    content.rowHeight = row.bottom - row.top;
    content.rowCount = RowCount();
    content.contentWidth = row.right;
    TaskListMetrics metrics;
    metrics.cxFull = GetSystemMetrics(SM_CXFULLSCREEN);
    metrics.cyFull = GetSystemMetrics(SM_CYFULLSCREEN);
    metrics.captionH = GetSystemMetrics(SM_CYCAPTION);
    metrics.cyHScroll = GetSystemMetrics(SM_CYHSCROLL);
    metrics.cxVScroll = GetSystemMetrics(SM_CXVSCROLL);
    metrics.minTrackW = GetSystemMetrics(SM_CXMINTRACK);
    POINT cursor{};
    GetCursorPos(&cursor);
    const bool byKeyboard = opener == TaskListOpener::Keyboard;
    HMONITOR where = byKeyboard && front ? MonitorFromWindow(front, MONITOR_DEFAULTTOPRIMARY)
                                         : MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(where, &monitor) && !(monitor.dwFlags & MONITORINFOF_PRIMARY)) {
        metrics.areaLeft = monitor.rcWork.left;
        metrics.areaTop = monitor.rcWork.top;
        metrics.cxFull = monitor.rcWork.right - monitor.rcWork.left;
        metrics.cyFull = monitor.rcWork.bottom - monitor.rcWork.top;
    }
    const TaskListPlacement place =
        byKeyboard ? CentreTaskList(metrics, content) : quorvel::PlaceTaskList(metrics, content, cursor.x, cursor.y);
    MoveWindow(ListView1, 0, 0, place.listWidth, place.listHeight, TRUE);
    AutoSizeColumns();
    SetWindowPos(Window(), HWND_TOP, place.left, place.top, place.width, place.height, SWP_NOACTIVATE);
}

// Hover selection, measured from the top of the list's window.
void TaskListForm::ListView1_MouseMove() {
    RECT list{};
    GetWindowRect(ListView1, &list);
    POINT cursor{};
    GetCursorPos(&cursor);
    std::vector<RowSpan> rows;
    for (int i = 0; i < RowCount(); ++i) {
        const RECT bounds = RowBounds(i);
        rows.push_back({bounds.top, bounds.bottom});
    }
    const int row = hover_.OnMouseMove(cursor.y - list.top, rows);
    if (row < 0) return;
    MouseMoveTimer.SetEnabled(false);
    MouseMoveTimer.SetEnabled(true);
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(ListView1, row, state, state);
}

void TaskListForm::MouseMoveTimer_Timer() {
    MouseMoveTimer.SetEnabled(false);
    RECT list{};
    GetWindowRect(ListView1, &list);
    POINT cursor{};
    GetCursorPos(&cursor);
    hover_.OnTimer(cursor.x >= list.left && cursor.x <= list.right && cursor.y >= list.top && cursor.y <= list.bottom);
}

// Restored to its normal size (also from maximized) and brought to the
// front. The show and the raise are handed to the window's own thread, so
// that a hung program cannot hang the switcher; a window that has gone
// since the list was made fails silently. The switcher hides all the same.
void TaskListForm::ListView1_ItemClick(int item) {
    if (item < 0 || item >= static_cast<int>(rowKeys_.size())) return;
    HWND window = WindowOfHandle(HandleOfTaskKey(rowKeys_[item]));
    ShowWindowAsync(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    Hide();
}

}  // namespace quorvel
