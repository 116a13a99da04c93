// Owners for the non-GDI handles the program holds: kernel objects, cursors, loaded modules and
// internet handles.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "framework/unique_handle.h"

struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct DestroyCursorHandle {
    void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
struct FreeModuleHandle {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct CloseInternetHandle {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};

// A thread, event or other kernel object (never INVALID_HANDLE_VALUE: store null instead).
using UniqueHandle = UniqueWinHandle<HANDLE, CloseKernelHandle>;
// A cursor the program made itself (CopyIcon, CreateCursor), not a shared one from LoadCursor.
using UniqueCursor = UniqueWinHandle<HCURSOR, DestroyCursorHandle>;
// A module loaded with LoadLibrary or LoadLibraryEx.
using UniqueModule = UniqueWinHandle<HMODULE, FreeModuleHandle>;
// A WinINet session or request (the user of it links wininet).
using UniqueInternetHandle = UniqueWinHandle<HINTERNET, CloseInternetHandle>;
