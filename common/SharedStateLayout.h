// Compile-time check of the SharedState layout. 32-bit and 64-bit builds of
// the library (and of anything else that maps the record) must agree on
// every offset, so the numbers are written out rather than computed.
#pragma once

#include <cstddef>

namespace quorvel {

static_assert(offsetof(SharedState, Setting) == 0);
static_assert(offsetof(SharedState, RButtonDownInIE) == 4);
static_assert(offsetof(SharedState, RButtonDownInFirefox) == 5);
static_assert(offsetof(SharedState, RButtonDownInChromium) == 6);
static_assert(offsetof(SharedState, StopHookFlag) == 8);
static_assert(offsetof(SharedState, IsNTPlatform) == 12);
static_assert(offsetof(SharedState, LButtonHeld) == 13);
static_assert(offsetof(SharedState, RButtonHeld) == 14);
static_assert(offsetof(SharedState, ChordPending) == 15);
static_assert(offsetof(SharedState, ChordSecondUpPending) == 16);
static_assert(offsetof(SharedState, VersionMajor) == 20);
static_assert(offsetof(SharedState, VersionMinor) == 24);
static_assert(offsetof(SharedState, VersionBuild) == 28);
static_assert(offsetof(SharedState, CenterNextDialogOnCursor) == 32);
static_assert(offsetof(SharedState, Paused) == 33);
static_assert(offsetof(SharedState, FirstInitPending) == 34);
static_assert(offsetof(SharedState, PromptRestWindow) == 36);
static_assert(offsetof(SharedState, CyHScroll) == 40);
static_assert(offsetof(SharedState, CxHScroll) == 44);
static_assert(offsetof(SharedState, CyVScroll) == 48);
static_assert(offsetof(SharedState, CxVScroll) == 52);
static_assert(offsetof(SharedState, ActivityTable) == 56);
static_assert(offsetof(SharedState, PeriodStartMinute) == 8696);
static_assert(offsetof(SharedState, CurrentMinute) == 8700);
static_assert(offsetof(SharedState, LastActionMinute) == 8704);
static_assert(offsetof(SharedState, LastClickOrKeyTime) == 8708);
static_assert(offsetof(SharedState, SmartScrollCursorMessage) == 8712);
static_assert(offsetof(SharedState, InstallPath) == 8716);
static_assert(offsetof(SharedState, SetForegroundWindowPath) == 9020);
static_assert(offsetof(SharedState, WindowsVersionText) == 9324);
static_assert(offsetof(SharedState, IEVersionText) == 9528);
static_assert(offsetof(SharedState, LanguageId) == 9632);
static_assert(offsetof(SharedState, LastRButtonDownWindow) == 9636);
static_assert(offsetof(SharedState, PrevRButtonDownWindow) == 9640);
static_assert(offsetof(SharedState, LastRButtonUpTime) == 9644);
static_assert(offsetof(SharedState, LastRButtonUpX) == 9648);
static_assert(offsetof(SharedState, LastRButtonUpY) == 9652);
static_assert(offsetof(SharedState, TaskListWindow) == 9656);
static_assert(offsetof(SharedState, TaskListMessage) == 9660);
static_assert(offsetof(SharedState, AutoClickWindow) == 9664);
static_assert(offsetof(SharedState, AutoClickMessage) == 9668);
static_assert(offsetof(SharedState, MainWindow) == 9672);
static_assert(offsetof(SharedState, OwnWindowMarker) == 9676);
static_assert(offsetof(SharedState, MainWindowMessage) == 9680);
static_assert(offsetof(SharedState, CallWndRetHook) == 9684);
static_assert(offsetof(SharedState, MouseHook) == 9688);
static_assert(offsetof(SharedState, GetMessageHook) == 9692);
static_assert(offsetof(SharedState, DoubleClickWidth) == 9696);
static_assert(offsetof(SharedState, DoubleClickHeight) == 9700);
static_assert(offsetof(SharedState, DoubleClickTime) == 9704);
static_assert(offsetof(SharedState, MBUTTON_DBCLICK_TIME_LIMIT) == 9708);
static_assert(offsetof(SharedState, ScreenWidth) == 9712);
static_assert(offsetof(SharedState, ScreenHeight) == 9716);
static_assert(offsetof(SharedState, LastTraceX) == 9720);
static_assert(offsetof(SharedState, LastTraceY) == 9724);
static_assert(offsetof(SharedState, MouseTraceIndex) == 9728);
static_assert(offsetof(SharedState, LastCircleTime) == 9732);
static_assert(offsetof(SharedState, RDragStartX) == 9736);
static_assert(offsetof(SharedState, RDragStartY) == 9740);
static_assert(offsetof(SharedState, IERButtonDown) == 9744);
static_assert(offsetof(SharedState, RDragStartTime) == 9748);
static_assert(offsetof(SharedState, LastShowDesktopTime) == 9752);
static_assert(offsetof(SharedState, MButtonDownTime) == 9756);
static_assert(offsetof(SharedState, MButtonDownX) == 9760);
static_assert(offsetof(SharedState, MButtonDownY) == 9764);
static_assert(offsetof(SharedState, MButtonDownPending) == 9768);
static_assert(offsetof(SharedState, MouseTrace) == 9772);
static_assert(offsetof(SharedState, IEWindowTable) == 10972);

// Start-up and fault containment.
static_assert(offsetof(SharedState, SharedInitState) == 11372);
static_assert(offsetof(SharedState, SharedInitStartTime) == 11376);
static_assert(offsetof(SharedState, SpareSafety) == 11380);

// The 64-bit library and its helper program.
static_assert(offsetof(SharedState, CallWndRetHook64) == 11436);
static_assert(offsetof(SharedState, MouseHook64) == 11440);
static_assert(offsetof(SharedState, GetMessageHook64) == 11444);
static_assert(offsetof(SharedState, Hook64Active) == 11448);
static_assert(offsetof(SharedState, Hook32ThreadId) == 11452);
static_assert(offsetof(SharedState, Hook64ThreadId) == 11456);
static_assert(offsetof(SharedState, UnreachableWindow) == 11460);
static_assert(offsetof(SharedState, UnreachableCount) == 11464);
static_assert(offsetof(SharedState, SpareArch) == 11468);

// Task switcher trigger.
static_assert(offsetof(SharedState, SpareSwitcher) == 11500);

// Browser drag-to-scroll sender.
static_assert(offsetof(SharedState, DragScrollState) == 11516);
static_assert(offsetof(SharedState, DragScrollWindow) == 11520);
static_assert(offsetof(SharedState, DragScrollTarget) == 11524);
static_assert(offsetof(SharedState, DragScrollMessage) == 11528);
static_assert(offsetof(SharedState, DragScrollLastX) == 11532);
static_assert(offsetof(SharedState, DragScrollLastY) == 11536);
static_assert(offsetof(SharedState, SpareDragScroll) == 11540);

// Gesture repairs.
static_assert(offsetof(SharedState, ChordReleaseMessage) == 11580);
static_assert(offsetof(SharedState, SpareGestures) == 11584);

// Everyday control: pause, exclusions, full-screen pause.
static_assert(offsetof(SharedState, ExclusionChange) == 11596);
static_assert(offsetof(SharedState, ExcludedPrograms) == 11600);
static_assert(offsetof(SharedState, FullScreenPause) == 12624);
static_assert(offsetof(SharedState, SpareControl) == 12628);

// Browsers; the desktop.
static_assert(offsetof(SharedState, BrowserProgramsChange) == 12688);
static_assert(offsetof(SharedState, BrowserPrograms) == 12692);
static_assert(offsetof(SharedState, MonitorLayoutChange) == 13716);
static_assert(offsetof(SharedState, MonitorCount) == 13720);
static_assert(offsetof(SharedState, Monitors) == 13724);
static_assert(offsetof(SharedState, FullScreenNow) == 13980);
static_assert(offsetof(SharedState, SpareDesktop) == 13984);

static_assert(sizeof(SharedState) == 14044);
static_assert(sizeof(MonitorBox) == 16);
static_assert(sizeof(TracePoint) == 12);
static_assert(sizeof(ActivityMinute) == 6);

}  // namespace quorvel
