// Calls exports of an installed "system.dat" for the end-to-end tests:
//   control_library_driver DIR rest N   calls UserShouldRest N times, as N
//                                       minutes of the control program's clock
//   control_library_driver DIR restto N calls UserShouldRest until the work
//                                       period is N minutes long (whatever
//                                       minutes the program's own clock added)
//   control_library_driver DIR setting  prints GetSetting in hexadecimal
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
using UserShouldRestCall = uint32_t(__stdcall*)(uint32_t*, uint32_t*, uint32_t*, uint32_t*);
using GetSettingCall = uint32_t(__stdcall*)();

template <typename Call>
Call Bind(HMODULE library, const char* name) {
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: control_library_driver DIR rest N | DIR restto N | DIR setting\n");
        return 2;
    }
    const std::string path = std::string(argv[1]) + "\\system.dat";
    HMODULE library = LoadLibraryA(path.c_str());
    if (!library) {
        std::printf("cannot load %s\n", path.c_str());
        return 1;
    }
    if (std::strcmp(argv[2], "rest") == 0 && argc >= 4) {
        auto shouldRest = Bind<UserShouldRestCall>(library, "UserShouldRest");
        if (!shouldRest) return 1;
        uint32_t keys = 0, clicks = 0, distance = 0, minutes = 0, result = 0;
        for (int i = 0; i < std::atoi(argv[3]); ++i) result = shouldRest(&keys, &clicks, &distance, &minutes);
        std::printf("rest %u minutes %u\n", result, minutes);
        return 0;
    }
    if (std::strcmp(argv[2], "restto") == 0 && argc >= 4) {
        auto shouldRest = Bind<UserShouldRestCall>(library, "UserShouldRest");
        if (!shouldRest) return 1;
        const uint32_t wanted = static_cast<uint32_t>(std::atoi(argv[3]));
        uint32_t keys = 0, clicks = 0, distance = 0, minutes = 0, result = 0, calls = 0;
        do {
            result = shouldRest(&keys, &clicks, &distance, &minutes);
            ++calls;
        } while (result == 0 && minutes < wanted && calls < 1000);
        std::printf("rest %u minutes %u calls %u\n", result, minutes, calls);
        return 0;
    }
    if (std::strcmp(argv[2], "setting") == 0) {
        auto getSetting = Bind<GetSettingCall>(library, "GetSetting");
        if (!getSetting) return 1;
        std::printf("setting 0x%X\n", getSetting());
        return 0;
    }
    return 2;
}
