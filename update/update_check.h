// One check of the update page, on a worker thread that reports to a window with a posted message.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/handles.h"
#include "update/update_page.h"

// Posted to the target window when the check has ended; wParam is the UpdateOutcome.
constexpr UINT WM_UPDATE_CHECK_DONE = WM_APP + 1;

// The worker never touches the window beyond one PostMessage, made under a lock while the window is
// still the target. Abandon cuts it off at once and does not wait: the worker finishes its request
// (bounded by the network time-outs), finds no target and ends by itself.
class UpdateCheck {
public:
    UpdateCheck() = default;
    ~UpdateCheck() { Abandon(); }
    UpdateCheck(const UpdateCheck&) = delete;
    UpdateCheck& operator=(const UpdateCheck&) = delete;

    // Starts the worker: fetch `url` as `agent` and compare with `ownVersion`. False when the thread
    // cannot be started (nothing will be posted) or a check was started before.
    bool Start(HWND target, const std::wstring& url, const std::wstring& agent, double ownVersion);
    // After this returns nothing more is posted. Safe to call more than once.
    void Abandon();
    // The worker thread, for whoever wants to wait for it; the dialog never does.
    HANDLE WorkerThread() const { return m_thread.Get(); }

    struct Channel;  // what the worker shares with this object

private:
    std::shared_ptr<Channel> m_channel;
    UniqueHandle m_thread;
};
