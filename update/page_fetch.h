// The HTTP GET of the update page, through the system's own HTTP client (WinINet) and its proxy settings.
#pragma once

#include <string>

// Fetches `url` with `agent` as the user agent, following redirects. On success (a status code of
// 200 to 299) `page` holds the body's bytes, each piece of up to kPagePieceBytes cut at its first
// zero byte, and no more than about kPageLimitBytes of them. On failure (no connection, no answer in
// time, another status, a failed read, an address that is not http or https) `page` is empty.
bool FetchUpdatePage(const std::wstring& url, const std::wstring& agent, std::string& page);
