// Owners for GDI objects and device contexts: each frees what it holds, none can be copied.
#pragma once

#include <windows.h>

#include "framework/unique_handle.h"

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A GDI object (brush, pen, bitmap, font) deleted with DeleteObject.
template <typename T>
using UniqueGdiObj = UniqueWinHandle<T, DeleteGdiObject>;

using UniqueBrush = UniqueGdiObj<HBRUSH>;
using UniquePen = UniqueGdiObj<HPEN>;
using UniqueBitmap = UniqueGdiObj<HBITMAP>;
using UniqueFont = UniqueGdiObj<HFONT>;

// A memory device context made with CreateCompatibleDC, deleted with DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : m_hDC(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (m_hDC != nullptr) DeleteDC(m_hDC);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return m_hDC; }
    explicit operator bool() const { return m_hDC != nullptr; }

private:
    HDC m_hDC;
};

// The device context of a window's client area (GetDC), released with ReleaseDC.
class ClientDC {
public:
    explicit ClientDC(HWND window) : m_hWnd(window), m_hDC(GetDC(window)) {}
    ~ClientDC() {
        if (m_hDC != nullptr) ReleaseDC(m_hWnd, m_hDC);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;

    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// The device context of a WM_PAINT (BeginPaint), ended with EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : m_hWnd(window), m_hDC(BeginPaint(window, &m_ps)) {}
    ~PaintDC() { EndPaint(m_hWnd, &m_ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return m_hDC; }
    const PAINTSTRUCT& Info() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC;
};

// Selects an object into a device context and puts the previous one back on destruction.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_hDC(dc), m_hOld(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR) SelectObject(m_hDC, m_hOld);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// Saves a device context's state and restores it on destruction.
class SavedDCState {
public:
    explicit SavedDCState(HDC dc) : m_hDC(dc), m_nSaved(SaveDC(dc)) {}
    ~SavedDCState() {
        if (m_nSaved != 0) RestoreDC(m_hDC, m_nSaved);
    }
    SavedDCState(const SavedDCState&) = delete;
    SavedDCState& operator=(const SavedDCState&) = delete;

private:
    HDC m_hDC;
    int m_nSaved;
};
