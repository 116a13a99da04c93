// Stands in for the browser: the tests register it as the shell's handler of http addresses, and
// it appends each address it is asked to open to a log file, one per line. A windows program
// without windows, so that starting it changes no window's activation (a console would).
// Usage: url_recorder.exe LOG ADDRESS...
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (__argc < 3) return 2;
    FILE* log = _wfopen(__wargv[1], L"ab");
    if (log == nullptr) return 1;
    for (int i = 2; i < __argc; ++i) {
        char address[2048] = {};
        WideCharToMultiByte(CP_UTF8, 0, __wargv[i], -1, address, sizeof(address) - 1, nullptr, nullptr);
        std::fprintf(log, "%s\n", address);
    }
    return std::fclose(log) == 0 ? 0 : 1;
}
