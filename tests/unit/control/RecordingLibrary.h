// A hook library that records the calls made into it (shared by the
// control program's tests).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "control/core/HookLibrary.h"

namespace quorvel {

using Log = std::vector<std::string>;

// Records the calls into the library; startHook answers startResult.
class RecordingLibrary : public HookLibrary {
public:
    RecordingLibrary(Log& log, FakeFileSystem& fs) : log_(log), fs_(fs) {}
    uint32_t startResult = 1;
    std::string loadedLibrary;  // contents of "system.dat" at the first call

    uint32_t startHook() override { return Note("startHook", startResult); }
    uint32_t stopHook() override { return Note("stopHook", 1); }
    void SetStopHookFlag() override { Note("SetStopHookFlag"); }
    void PauseQuorvel() override { Note("PauseQuorvel"); }
    void ResumeQuorvel() override { Note("ResumeQuorvel"); }
    uint32_t SetMainWindowAndMessage(uint32_t w, uint32_t m) override {
        return Note("SetMainWindowAndMessage " + Hex(w) + " " + Hex(m), w);
    }
    uint32_t SetTaskListWindowAndMessage(uint32_t w, uint32_t m) override {
        return Note("SetTaskListWindowAndMessage " + Hex(w) + " " + Hex(m));
    }
    uint32_t SetAutoClickWindowAndMessage(uint32_t w, uint32_t m) override {
        return Note("SetAutoClickWindowAndMessage " + Hex(w) + " " + Hex(m));
    }
    uint32_t SetPromptRestWindow(uint32_t w) override { return Note("SetPromptRestWindow " + Hex(w), w); }
    uint32_t SetQuorvelWindowUserData(uint32_t marker) override {
        return Note("SetQuorvelWindowUserData " + Hex(marker), marker);
    }
    uint32_t SetQuorvelVersion(uint32_t a, uint32_t b, uint32_t c) override {
        return Note("SetQuorvelVersion " + std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c));
    }
    void AddIEWindow(uint32_t) override {}
    void RemoveIEWindow(uint32_t) override {}
    uint32_t GetRootWindow(uint32_t w, uint32_t) override { return w; }
    uint32_t IfDialogBoxWindow(uint32_t) override { return 0; }
    uint32_t LowWord(uint32_t v) override { return v & 0xFFFF; }
    uint32_t HiWord(uint32_t v) override { return v >> 16; }
    uint32_t GetSetting() override { return 0xFFFF; }
    uint32_t SaveSetting(uint32_t) override { return 1; }
    uint32_t UserShouldRest(uint32_t*, uint32_t*, uint32_t*, uint32_t*) override { return 0; }
    uint32_t GetUserLastClickOrKeyTime() override { return 0; }
    uint32_t SimulateClick(uint32_t, uint32_t) override { return 1; }
    void SetExcludedPrograms(const char* list, uint32_t size) override {
        std::string names;
        for (char c : std::string(list, size)) names.push_back(c ? c : '|');
        Note("SetExcludedPrograms " + names);
    }
    void SetFullScreenPause(uint32_t on) override { Note("SetFullScreenPause " + std::to_string(on)); }
    uint32_t GetUnreachableCount() override { return 0; }
    void SetBrowserPrograms(const char* list, uint32_t size) override {
        std::string names;
        for (char c : std::string(list, size)) names.push_back(c ? c : '|');
        Note("SetBrowserPrograms " + names);
    }
    void SetMonitorLayout(const int32_t*, uint32_t count) override {
        Note("SetMonitorLayout " + std::to_string(count));
    }
    void SetFullScreenNow(uint32_t on) override { Note("SetFullScreenNow " + std::to_string(on)); }
    uint32_t sharedStateStatus = SHARED_STATE_SHARED;
    uint32_t GetSharedStateStatus() override { return sharedStateStatus; }

private:
    static std::string Hex(uint32_t v) {
        char text[16];
        std::snprintf(text, sizeof text, "%X", v);
        return text;
    }
    uint32_t Note(const std::string& call, uint32_t result = 0) {
        if (loadedLibrary.empty()) loadedLibrary = fs_.files["C:\\Q\\system.dat"];
        log_.push_back(call);
        return result;
    }
    Log& log_;
    FakeFileSystem& fs_;
};

}  // namespace quorvel
