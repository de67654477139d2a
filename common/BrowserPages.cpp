#include "BrowserPages.h"

#include <cstring>

#include "ProgramList.h"

namespace quorvel {

BrowserFamily ContentClassFamily(const char* className) {
    if (!className) return BROWSER_NONE;
    if (std::strcmp(className, IE_SERVER_CLASS) == 0 || std::strcmp(className, IE_DOC_VIEW_CLASS) == 0) {
        return BROWSER_INTERNET_EXPLORER;
    }
    if (std::strcmp(className, FIREFOX_CONTENT_CLASS) == 0) return BROWSER_FIREFOX;
    if (std::strcmp(className, CHROMIUM_CONTENT_CLASS) == 0) return BROWSER_CHROMIUM;
    return BROWSER_NONE;
}

bool IsBrowserPage(BrowserFamily family, bool browserProgram, bool chromiumRoot) {
    switch (family) {
        case BROWSER_INTERNET_EXPLORER: return true;
        case BROWSER_FIREFOX: return browserProgram;
        case BROWSER_CHROMIUM: return browserProgram && chromiumRoot;
        default: return false;
    }
}

BrowserFamily ProgramFamily(const char* fileName) {
    static const char CHROMIUM[] = "msedge.exe\0chrome.exe\0brave.exe\0vivaldi.exe\0opera.exe\0";
    static const char FIREFOX[] = "firefox.exe\0";
    static const char INTERNET_EXPLORER[] = "iexplore.exe\0";
    if (ProgramListContains(CHROMIUM, sizeof CHROMIUM, fileName)) return BROWSER_CHROMIUM;
    if (ProgramListContains(FIREFOX, sizeof FIREFOX, fileName)) return BROWSER_FIREFOX;
    if (ProgramListContains(INTERNET_EXPLORER, sizeof INTERNET_EXPLORER, fileName)) return BROWSER_INTERNET_EXPLORER;
    return BROWSER_NONE;
}

}  // namespace quorvel
