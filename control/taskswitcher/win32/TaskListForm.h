// "Easy task switcher": pops up with one row per running task (small icon
// and title); hovering or the arrows select a row, a click or Enter brings
// that window to the front and hides the switcher, and so do Esc and
// switching to any other program. Opened by TASK_LIST_MESSAGE (the wheel
// over the taskbar) at the pointer, by its hotkey centred on the monitor of
// the window in front.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "common/win32/Owners.h"
#include "control/core/ControlProgram.h"
#include "control/core/win32/Form.h"
#include "control/core/win32/FormTimer.h"
#include "control/core/win32/WindowHotkey.h"
#include "control/core/HookLibrary.h"
#include "control/core/Hotkeys.h"
#include "control/taskswitcher/TaskListHover.h"
#include "control/taskswitcher/TaskListModule.h"
#include "Foreground.h"
#include "Win32TaskWindows.h"
#include "common/Messages.h"

namespace quorvel {

constexpr int TASK_LIST_HOT_KEY_ID = 0xA002;

namespace owners {
struct ImageList : NullIsEmpty<HIMAGELIST> {
    static void Free(HIMAGELIST list) { ImageList_Destroy(list); }
};
}  // namespace owners
// An image list the form owns (the list control only borrows it).
using OwnedImageList = Owned<HIMAGELIST, owners::ImageList>;

// How the switcher was asked for: where it shows and which row it selects.
enum class TaskListOpener { Mouse, Keyboard };

class TaskListForm : public Form {
public:
    explicit TaskListForm(HookLibrary& library);
    ~TaskListForm() override;

    // Rebuilds the list and shows the form in front (not when there is no
    // task): by the mouse at the pointer, by the keyboard centred on the
    // monitor of the window in front, its first row selected.
    void ShowTasks(TaskListOpener opener);
    HotkeyBinding& Hotkey() { return hotkey_; }

protected:
    void OnLoad() override;
    bool OnQueryUnload() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT TaskListWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR form);
    LRESULT OnNotify(const NMHDR& header);
    void AllowTaskListMessageFromBelow();
    void CreateList();
    void FillIcons();
    void FillRows();
    void AutoSizeColumns();
    void PlaceTaskList(TaskListOpener opener, HWND front);
    void ListView1_MouseMove();
    void MouseMoveTimer_Timer();
    void ForegroundTimer_Timer();
    void Cancel();
    void ListView1_ItemClick(int item);
    int RowCount() const;
    RECT RowBounds(int row) const;

    Win32TaskWindows windows_;
    TaskListModule module_;
    HWND ListView1 = nullptr;
    OwnedImageList IconImageList;
    std::vector<std::string> rowKeys_;  // TaskKey of each row
    std::vector<int> rowImages_;        // image of each row, -1 for none
    TaskListHover hover_;
    WindowHotkey hotkeyRegistration_;
    HotkeyBinding hotkey_;
    ForegroundWatch foreground_;
    bool refreshing_ = false;  // asking the windows for their icons
    FormTimer MouseMoveTimer;
    FormTimer ForegroundTimer;
};

}  // namespace quorvel
