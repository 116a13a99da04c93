// comctl32 exports GetWindowSubclass only by its ordinal, and MinGW's import library does not
// list it; the window layer reaches it through this definition, resolved on first use.
#include <windows.h>
#include <commctrl.h>

namespace {

using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);
constexpr WORD kGetWindowSubclassOrdinal = 411;

GetWindowSubclassFn ResolveGetWindowSubclass() {
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    if (comctl == nullptr) return nullptr;
    const FARPROC proc = GetProcAddress(comctl, MAKEINTRESOURCEA(kGetWindowSubclassOrdinal));
    return reinterpret_cast<GetWindowSubclassFn>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

extern "C" BOOL WINAPI GetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* refData) {
    static const GetWindowSubclassFn resolved = ResolveGetWindowSubclass();
    return resolved != nullptr && resolved(window, proc, id, refData);
}
