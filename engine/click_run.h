// The click run on the system: mouse events, the paced wait and the run loop of a dialog.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/click_params.h"

// Sends the mouse events of one click at the cursor's current position.
void SendClick(int32_t button, int32_t action, bool swapButtons);

// Translates and dispatches every message waiting in the calling thread's queue.
void PumpMessages();

// The performance counter in whole milliseconds.
int64_t NowMs();

// Waits `interval` milliseconds while keeping the queue drained; ends early once *stopFlag is set.
void WaitInterval(uint32_t interval, const volatile BOOL* stopFlag);

// Runs clicks for `dialog` until a limit is met or *stopRequested is set by a handler.
void RunClickLoop(HWND dialog, const volatile BOOL* stopRequested, const ClickRunParameters& params);

// The number an edit control holds, read as "%d" reads it, or `fallback`.
int32_t ReadEditInt(HWND edit, int32_t fallback);
