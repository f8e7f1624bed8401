// Waiting in a test thread without blocking its windows: messages keep flowing.
#pragma once

#include <windows.h>

#include <functional>

// Runs the calling thread's messages for about `ms` milliseconds.
inline void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(5);
    }
}

// Runs the calling thread's messages until the condition holds or time runs out.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        PumpFor(10);
    }
    return true;
}
