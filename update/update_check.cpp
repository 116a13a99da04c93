#include "update/update_check.h"

#include <mutex>
#include <new>

#include "update/page_fetch.h"

struct UpdateCheck::Channel {
    std::wstring url;
    std::wstring agent;
    double ownVersion = 0;
    std::mutex lock;
    HWND target = nullptr;  // guarded by `lock`; null once abandoned

    // Reports the outcome unless the check has been abandoned.
    void Post(UpdateOutcome outcome) {
        std::lock_guard<std::mutex> guard(lock);
        if (target != nullptr) PostMessageW(target, WM_UPDATE_CHECK_DONE, static_cast<WPARAM>(outcome), 0);
    }
};

namespace {

// The worker: its argument is a heap copy of the shared channel, which it owns from here on.
DWORD WINAPI UpdateCheckThreadProc(void* param) noexcept {
    std::unique_ptr<std::shared_ptr<UpdateCheck::Channel>> owned(
        static_cast<std::shared_ptr<UpdateCheck::Channel>*>(param));
    UpdateCheck::Channel& channel = **owned;
    UpdateOutcome outcome = UpdateOutcome::Failed;
    try {
        std::string page;
        const bool fetched = FetchUpdatePage(channel.url, channel.agent, page);
        outcome = DecideUpdate(fetched, page, channel.ownVersion);
    } catch (...) {  // out of memory: the check failed
        outcome = UpdateOutcome::Failed;
    }
    channel.Post(outcome);
    return 0;
}

}  // namespace

bool UpdateCheck::Start(HWND target, const std::wstring& url, const std::wstring& agent, double ownVersion) {
    if (m_channel) return false;
    try {
        m_channel = std::make_shared<Channel>();
        m_channel->url = url;
        m_channel->agent = agent;
        m_channel->ownVersion = ownVersion;
        m_channel->target = target;
        auto param = std::make_unique<std::shared_ptr<Channel>>(m_channel);
        m_thread.Reset(CreateThread(nullptr, 0, UpdateCheckThreadProc, param.get(), 0, nullptr));
        if (!m_thread) return false;
        param.release();  // the worker owns it now
        return true;
    } catch (const std::bad_alloc&) {  // runs inside a window procedure: nothing may escape
        return false;
    }
}

void UpdateCheck::Abandon() {
    if (!m_channel) return;
    std::lock_guard<std::mutex> guard(m_channel->lock);
    m_channel->target = nullptr;
}
