#include "ExitRequest.h"

#include <cctype>
#include <sstream>

namespace quorvel {

namespace {
std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

bool HasCommandSwitch(const std::string& commandLine, const std::string& name) {
    std::istringstream words(commandLine);
    std::string word;
    while (words >> word) {
        if (word.size() >= 2 && word.front() == '"' && word.back() == '"') word = word.substr(1, word.size() - 2);
        word = Lower(word);
        if (word == "/" + name || word == "-" + name) return true;
    }
    return false;
}

bool HasExitSwitch(const std::string& commandLine) { return HasCommandSwitch(commandLine, "exit"); }

ExitRequestResult AskRunningInstanceToExit(RunningInstanceLink& link, uint32_t timeoutMs) {
    if (!IsRunningInstance(link.FindRunningInstance())) return ExitRequestResult::NoneRunning;
    link.PostToRunningInstance(EXIT_REQUEST_MESSAGE);
    return link.WaitForRunningInstanceToEnd(timeoutMs) ? ExitRequestResult::Ended : ExitRequestResult::StillRunning;
}

int ExitCodeOf(ExitRequestResult result) {
    return result == ExitRequestResult::StillRunning ? EXIT_STILL_RUNNING : EXIT_NONE_RUNNING;
}

}  // namespace quorvel
