// What the update page announces, and how much of it is read.
#pragma once

#include <cstddef>
#include <string_view>

// The body is read in pieces of at most this many bytes.
constexpr size_t kPagePieceBytes = 1024;
// Only the beginning of the page matters; reading stops once this many bytes have arrived, so a
// page of any length costs bounded memory.
constexpr size_t kPageLimitBytes = 64 * 1024;

// The part of one piece of the body that is kept: the bytes before its first zero byte.
std::string_view KeptPartOfPiece(std::string_view piece);

// The three ends of an update check.
enum class UpdateOutcome { Failed, UpToDate, Newer };

// The outcome of a check: Failed when the page could not be fetched; Newer when the page (bytes in
// the system's ANSI code page) begins with a number greater than `ownVersion`; else UpToDate.
UpdateOutcome DecideUpdate(bool fetched, std::string_view page, double ownVersion);
