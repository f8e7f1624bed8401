#include "ui/DialogBackground.h"

#include "win/Gdi.h"

namespace {

HBRUSH BackgroundBrush() {
    // Made on first use and kept until the process ends.
    static Brush brush(CreateSolidBrush(kDialogBackground));
    return brush.Get();
}

}  // namespace

bool HandleDialogBackground(HWND dialog, UINT msg, WPARAM wp, LPARAM, INT_PTR& result) {
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT rc;
            GetClientRect(dialog, &rc);
            FillSolidRect(reinterpret_cast<HDC>(wp), rc, kDialogBackground);
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1);
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            result = reinterpret_cast<INT_PTR>(BackgroundBrush());
            return true;
        default:
            return false;
    }
}
