// A recursive lock for state shared by handlers that may run nested on one thread.
#pragma once

#include <windows.h>

class CCriticalSection {
public:
    CCriticalSection() { InitializeCriticalSection(&m_section); }
    ~CCriticalSection() { DeleteCriticalSection(&m_section); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    BOOL Lock() {
        EnterCriticalSection(&m_section);
        return TRUE;
    }
    BOOL Unlock() {
        LeaveCriticalSection(&m_section);
        return TRUE;
    }

private:
    CRITICAL_SECTION m_section;
};
