// Owners for the non-GDI handles the program holds: kernel objects, cursors, loaded modules and
// internet handles.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <utility>

// Holds one handle and frees it with `Free` on destruction; movable, never copied.
template <typename T, typename Free>
class UniqueWinHandle {
public:
    UniqueWinHandle() = default;
    explicit UniqueWinHandle(T handle) : m_handle(handle) {}
    ~UniqueWinHandle() { Reset(); }
    UniqueWinHandle(UniqueWinHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueWinHandle& operator=(UniqueWinHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    UniqueWinHandle(const UniqueWinHandle&) = delete;
    UniqueWinHandle& operator=(const UniqueWinHandle&) = delete;

    T Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(T handle = nullptr) {
        if (m_handle != nullptr) Free()(m_handle);
        m_handle = handle;
    }

private:
    T m_handle = nullptr;
};

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
