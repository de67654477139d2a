#include "OwnProgramWindow.h"

#include <cstring>

#include "common/FileNames.h"
#include "common/Messages.h"
#include "common/Text.h"

namespace quorvel {

bool IsQuorvelProgramWindow(Context& ctx, Hwnd window) {
    if (!window || !ctx.windows.IsWindow(window) || ctx.windows.GetUserData(window) != OWN_WINDOW_MARKER) return false;
    const uint32_t process = ctx.processes.GetWindowProcessId(window);
    if (!process) return false;
    ProcessState& p = ctx.process;
    if (p.ownWindowChecked.load(std::memory_order_relaxed) == window &&
        p.ownWindowProcess.load(std::memory_order_relaxed) == process) {
        return true;
    }
    char image[INSTALL_PATH_SIZE + 64] = {};
    if (ctx.processes.GetProcessImageName(process, image, sizeof image) == 0) return false;
    image[sizeof image - 1] = '\0';
    const char* file = FileNamePart(image);
    if (!SameTextIgnoringCase(file, std::strlen(file), PROGRAM_FILE_NAME, sizeof PROGRAM_FILE_NAME - 1)) return false;
    p.ownWindowChecked.store(window, std::memory_order_relaxed);
    p.ownWindowProcess.store(process, std::memory_order_relaxed);
    return true;
}

}  // namespace quorvel
