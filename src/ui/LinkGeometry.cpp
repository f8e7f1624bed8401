#include "ui/LinkGeometry.h"

LinkRect FitLinkRect(LinkRect r, LinkAlign align, bool centerVertically, int cx, int cy) {
    if (centerVertically) {
        int dy = (r.bottom - r.top - cy) / 2;
        r.top += dy;
        r.bottom -= dy;
    } else {
        r.bottom = r.top + cy;
    }
    switch (align) {
        case LinkAlign::Center: {
            int dx = (r.right - r.left - cx) / 2;
            r.left += dx;
            r.right -= dx;
            break;
        }
        case LinkAlign::Right: r.left = r.right - cx; break;
        case LinkAlign::Left: r.right = r.left + cx; break;
    }
    return r;
}
