// Smart Move: the pointer glides into every new dialog box, to the spot the
// user clicked in the last dialog of that size in that program; without such
// a memory to the dialog's only push button, or to its centre.
#pragma once

#include <cstdint>

#include "hooklib/core/Context.h"
#include "hooklib/core/DialogTables.h"

namespace quorvel {

constexpr int SMART_MOVE_STEPS = 25;                 // the glide: 26 positions including the start
constexpr uint32_t GLIDE_STEP_MS = 10;               // between two positions of a glide
constexpr const char* PUSH_BUTTON_CLASS = "Button";  // compared ignoring case
constexpr uint32_t MODULE_PATH_SIZE = 300;           // characters of the executable's path read
constexpr uint32_t CLICK_NAME_BUFFER = 50;           // bytes of a remembered value's name read
constexpr uint32_t CLICK_DATA_BUFFER = 50;           // bytes of a remembered value's data read

// "%04d%04d" of the window's outer width and height; false when the window
// has no rectangle.
bool MakeDialogSizeKey(Windows& windows, Hwnd dialog, DialogSizeKey* key);
// The registry form of a remembered click: y in the high 16 bits, x in the low.
inline uint32_t PackDialogClick(int32_t x, int32_t y) {
    return (static_cast<uint32_t>(y) << 16) | (static_cast<uint32_t>(x) & 0xFFFFu);
}

// At a dialog's first paint: its size gets a record, or its record is re-armed
// so that the next click inside is remembered again.
void RegisterDialog(Context& ctx, Hwnd dialog);
// The remembered click of the dialog's size, when there is one.
bool LookupDialogClick(Context& ctx, Hwnd dialog, int32_t* offsetX, int32_t* offsetY);
// Called by the mouse hook for every left-button press it lets through.
void RememberDialogClick(Context& ctx);
// Glides the pointer into the dialog (run on the Smart Move worker thread).
void MoveCursorToDialog(Context& ctx, Hwnd dialog);

// Loads this process's remembered clicks from the registry (at attach): the
// user's own first, then the machine-wide ones for sizes not known yet.
void LoadDialogClicks(Context& ctx);
// Writes one remembered click under this program's key of the user.
bool SaveDialogClick(Context& ctx, const DialogSizeKey& key, int32_t x, int32_t y);
// Opens (or creates, with the user's base key) this program's key below the
// user's base key HKCU "Software\Harnwick\Quorvel"; 0 when none.
RegKey OpenDialogClickKey(Context& ctx, bool create);

}  // namespace quorvel
