// The one owner template behind every handle type of the program.
#pragma once

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
