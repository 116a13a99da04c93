#include "update/page_fetch.h"

#include <windows.h>
#include <wininet.h>

#include <initializer_list>

#include "framework/handles.h"
#include "update/update_page.h"

namespace {

// A server that accepts the connection and then says nothing would otherwise keep the check waiting
// for good: the system's own receive time-out is unlimited or an hour, depending on the platform.
constexpr DWORD kNetworkTimeoutMs = 15000;
// Past any cache to the server; the text flag is what the request has always carried.
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_ASCII;

// The parts of an http or https address that a request is made of.
struct RequestTarget {
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring path;  // with the query, if any
    bool secure = false;
};

bool SplitUrl(const std::wstring& url, RequestTarget& target) {
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = 1;  // non-zero lengths without buffers: point into `url`
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlW(url.c_str(), 0, 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
    if (parts.lpszHostName == nullptr || parts.dwHostNameLength == 0) return false;
    target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    target.port = parts.nPort;
    if (parts.lpszUrlPath != nullptr) target.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo != nullptr) target.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (target.path.empty()) target.path = L"/";
    target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return true;
}

// Set on the connection, where every client honours them (some ignore them on the session).
void SetTimeouts(HINTERNET connection) {
    DWORD timeout = kNetworkTimeoutMs;
    for (DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        InternetSetOptionW(connection, option, &timeout, sizeof(timeout));
    }
}

bool StatusIsSuccess(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) {
        return false;
    }
    return status >= 200 && status <= 299;
}

// Reads the body piece by piece until it ends or enough of it has arrived.
bool ReadBody(HINTERNET request, std::string& page) {
    size_t received = 0;
    while (received < kPageLimitBytes) {
        char piece[kPagePieceBytes + 1] = {};
        DWORD count = 0;
        if (!InternetReadFile(request, piece, kPagePieceBytes, &count)) return false;
        if (count == 0) break;
        page.append(KeptPartOfPiece(std::string_view(piece, count)));
        received += count;
    }
    return true;
}

// A GET of `target` that follows redirects; the request once its answer's headers have arrived.
UniqueInternetHandle SendGet(HINTERNET session, const RequestTarget& target, UniqueInternetHandle& connection) {
    connection.Reset(
        InternetConnectW(session, target.host.c_str(), target.port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1));
    if (!connection) return UniqueInternetHandle();
    SetTimeouts(connection.Get());
    const DWORD flags = kRequestFlags | (target.secure ? INTERNET_FLAG_SECURE : 0);
    UniqueInternetHandle request(
        HttpOpenRequestW(connection.Get(), L"GET", target.path.c_str(), nullptr, nullptr, nullptr, flags, 1));
    if (!request || !HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0)) return UniqueInternetHandle();
    return request;
}

}  // namespace

bool FetchUpdatePage(const std::wstring& url, const std::wstring& agent, std::string& page) {
    page.clear();
    RequestTarget target;
    if (!SplitUrl(url, target)) return false;
    UniqueInternetHandle session(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return false;
    UniqueInternetHandle connection;
    UniqueInternetHandle request = SendGet(session.Get(), target, connection);
    if (!request || !StatusIsSuccess(request.Get()) || !ReadBody(request.Get(), page)) {
        page.clear();
        return false;
    }
    return true;
}
