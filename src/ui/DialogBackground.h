// The colour every dialog of the program shares: RGB(246,246,246) behind the
// client area and behind static-type controls (labels, group boxes, check
// boxes, radio buttons).
#pragma once

#include <windows.h>

constexpr COLORREF kDialogBackground = RGB(246, 246, 246);

// Handles WM_ERASEBKGND and WM_CTLCOLORSTATIC for a dialog; false for anything
// else, which then gets the default handling.
bool HandleDialogBackground(HWND dialog, UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result);
