// The link control and the About box on real windows.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <thread>

#include "Pump.h"
#include "SiteState.h"
#include "net/SiteAddresses.h"
#include "ui/AboutDlg.h"
#include "ui/HyperLink.h"

namespace {

SIZE TextExtent(HWND control) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    wchar_t text[256];
    int length = GetWindowTextW(control, text, 256);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

RECT RectInParent(HWND control) {
    RECT rc;
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

TEST(HyperLink, FitsItsTextKeepingTheAlignedEdge) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    const struct {
        DWORD style;
        const char* name;
    } cases[] = {{SS_LEFT, "left"}, {SS_RIGHT, "right"}, {SS_CENTER, "centre"}};
    int id = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND control = CreateWindowExW(0, L"STATIC", L"http://example.test/", WS_CHILD | WS_VISIBLE | c.style, 20,
                                       40, 300, 30, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)),
                                       nullptr, nullptr);
        CHyperLink link;
        link.SubclassDlgItem(parent, id);
        EXPECT_EQ(link.Target(), L"http://example.test/");
        EXPECT_TRUE(GetWindowLongPtrW(control, GWL_STYLE) & SS_NOTIFY);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_TRUE(font.lfUnderline);
        SIZE text = TextExtent(control);
        RECT rc = RectInParent(control);
        EXPECT_EQ(rc.right - rc.left, text.cx);
        EXPECT_EQ(rc.top, 40);
        EXPECT_EQ(rc.bottom - rc.top, text.cy);
        switch (c.style) {
            case SS_LEFT: EXPECT_EQ(rc.left, 20); break;
            case SS_RIGHT: EXPECT_EQ(rc.right, 320); break;
            default: EXPECT_LE(std::abs((rc.left + rc.right) - 340), 1); break;  // the centre stays
        }
        EXPECT_NE(link.Cursor(), nullptr);
        DestroyWindow(control);
    }
    DestroyWindow(parent);
}

// What a helper thread saw of an About box while the test thread ran it.
struct AboutObservations {
    bool opened = false;
    std::wstring version, linkText;
    RECT link{};
    SIZE text{};
    COLORREF normal = 0, hover = 0, afterLeave = 0, afterClick = 0;
    COLORREF brushColour = 0;
    bool captureWhileHovering = false, captureAfterLeave = true;
    bool stillOpenAfterClick = false;
};

COLORREF LinkColour(HWND dialog, HWND link, COLORREF* brushColour = nullptr) {
    HDC dc = CreateCompatibleDC(nullptr);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(link)));
    COLORREF colour = GetTextColor(dc);
    if (brushColour) {
        LOGBRUSH info{};
        GetObjectW(brush, sizeof info, &info);
        *brushColour = info.lbColor;
    }
    DeleteDC(dc);
    return colour;
}

HWND CaptureOf(DWORD thread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread, &info);
    return info.hwndCapture;
}

AboutObservations RunAboutBox(bool click) {
    AboutObservations seen;
    DWORD uiThread = GetCurrentThreadId();
    std::thread inspector([&] {
        HWND dialog = nullptr;
        // Visible once initialised; the sent WM_NULL returns once its modal loop runs.
        seen.opened = WaitUntil([&] {
            dialog = FindWindowW(L"#32770", L"About Keyvane");
            return dialog && IsWindowVisible(dialog);
        });
        if (!seen.opened) return;
        SendMessageW(dialog, WM_NULL, 0, 0);
        HWND link = GetDlgItem(dialog, 1010);
        wchar_t text[256] = L"";
        GetWindowTextW(GetDlgItem(dialog, 1011), text, 256);
        seen.version = text;
        GetWindowTextW(link, text, 256);
        seen.linkText = text;
        GetClientRect(link, &seen.link);
        seen.text = TextExtent(link);
        seen.normal = LinkColour(dialog, link, &seen.brushColour);
        SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        seen.hover = LinkColour(dialog, link);
        seen.captureWhileHovering = CaptureOf(uiThread) == link;
        if (click) {
            SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            seen.stillOpenAfterClick = IsWindow(dialog) != FALSE;
        }
        SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-5)));
        seen.afterLeave = LinkColour(dialog, link);
        seen.captureAfterLeave = CaptureOf(uiThread) == link;
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    CAboutDlg dialog;
    dialog.DoModal(nullptr);
    inspector.join();
    return seen;
}

class AboutBox : public testing::Test {
protected:
    void SetUp() override {
        if (SiteAvailable()) ClearBrowserLog();
    }
    BrowserRedirect browser;
};

TEST_F(AboutBox, ShowsVersionAndAnUnderlinedLinkThatChangesColour) {
    AboutObservations seen = RunAboutBox(true);
    ASSERT_TRUE(seen.opened);
    // This test program has no version resource: the line ends after "Version".
    EXPECT_EQ(seen.version, L"Keyvane, Version ");
    EXPECT_EQ(seen.linkText, HomePageAddress());
    EXPECT_EQ(seen.link.right, seen.text.cx);
    EXPECT_EQ(seen.link.bottom, seen.text.cy);
    EXPECT_EQ(seen.normal, RGB(0, 0, 238));
    EXPECT_EQ(seen.brushColour, RGB(246, 246, 246));  // the dialog's colour behind the link
    EXPECT_EQ(seen.hover, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(seen.captureWhileHovering);
    EXPECT_TRUE(seen.stillOpenAfterClick);
    EXPECT_EQ(seen.afterLeave, RGB(85, 26, 139));
    EXPECT_FALSE(seen.captureAfterLeave);
    if (SiteAvailable()) {
        std::string expected(seen.linkText.begin(), seen.linkText.end());
        EXPECT_TRUE(WaitUntil([] { return !BrowserLog().empty(); }));
        EXPECT_EQ(BrowserLog(), expected + "\n");
    }

    // A new About box starts unvisited.
    AboutObservations again = RunAboutBox(false);
    EXPECT_EQ(again.normal, RGB(0, 0, 238));
    EXPECT_EQ(again.afterLeave, RGB(0, 0, 238));
}

}  // namespace
