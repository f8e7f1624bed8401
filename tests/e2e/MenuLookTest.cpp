// The open Help menu of the real program, as its pixels show it.
#include "EndToEndFixture.h"

namespace {

struct Capture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;  // 0x00RRGGBB, top-down
    int Count(COLORREF colour) const {
        DWORD want = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        int n = 0;
        for (DWORD p : pixels) n += (p & 0xFFFFFF) == want;
        return n;
    }
    DWORD At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)] & 0xFFFFFF; }
};

Capture CaptureScreen(const RECT& rc) {
    Capture c;
    c.width = rc.right - rc.left;
    c.height = rc.bottom - rc.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), c.width, -c.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, c.width, c.height, screen, rc.left, rc.top, SRCCOPY);
    GdiFlush();
    const auto* data = static_cast<const DWORD*>(bits);
    c.pixels.assign(data, data + c.width * c.height);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return c;
}

// Keeps the picture for people to look at (build folder, as a 32-bit BMP).
void SaveBitmap(const Capture& c, const wchar_t* name) {
    wchar_t self[MAX_PATH];
    std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    path.erase(path.find_last_of(L'\\') + 1);
    path += name;
    std::vector<DWORD> rows(c.pixels);
    for (DWORD& p : rows) p |= 0xFF000000;  // opaque, or viewers show it as transparent
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{sizeof info, c.width, -c.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    DWORD bytes = static_cast<DWORD>(rows.size() * 4);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + bytes;
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info, sizeof info, &written, nullptr);
    WriteFile(out, rows.data(), bytes, &written, nullptr);
    CloseHandle(out);
}

HWND FindPopupMenu(DWORD pid) {
    for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, L"#32768", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner == pid && IsWindowVisible(h)) return h;
    }
    return nullptr;
}

TEST_F(EndToEnd, HelpMenuIsDrawnInTheProgramsOwnStyle) {
    Launch();
    SetForegroundWindow(app->Window());
    PumpFor(200);
    PostMessageW(app->Window(), WM_SYSCOMMAND, SC_KEYMENU, 'h');
    HWND popup = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (popup = FindPopupMenu(app->ProcessId())) != nullptr; }));
    InjectKey(VK_UP, false);  // from the first item up to the last one, "Help"
    InjectKey(VK_UP, true);
    PumpFor(500);
    RECT rc;
    GetWindowRect(popup, &rc);
    Capture menu = CaptureScreen(rc);
    SaveBitmap(menu, L"help-menu.bmp");
    InjectKey(VK_ESCAPE, false);  // out of the drop-down...
    InjectKey(VK_ESCAPE, true);
    EXPECT_TRUE(WaitUntil([&] { return FindPopupMenu(app->ProcessId()) == nullptr; }));
    PumpFor(200);
    InjectKey(VK_ESCAPE, false);  // ...and out of the menu bar
    InjectKey(VK_ESCAPE, true);
    PumpFor(200);

    // Three items of 22 pixels, the last one highlighted.
    EXPECT_GE(menu.Count(RGB(236, 233, 216)), 2 * 22 * 20);  // the icon strip beside About and Update
    EXPECT_GE(menu.Count(RGB(246, 246, 246)), 2 * 22 * 20);  // their background
    EXPECT_GE(menu.Count(RGB(200, 232, 222)), 22 * 20);      // the highlight's fill
    EXPECT_GE(menu.Count(RGB(49, 106, 197)), 2 * 40);        // and its frame
    int blue = 0;  // the icon's disc, on the highlighted row
    for (DWORD p : menu.pixels) blue += (p & 0xFF) > 150 && ((p >> 16) & 0xFF) < 100;
    EXPECT_GE(blue, 100);
    EXPECT_EQ(menu.Count(RGB(140, 190, 235)), 0);  // the class default was replaced everywhere
    app->Close();  // the menu left nothing behind that keeps the window open
    EXPECT_TRUE(app->WaitForExit());
}

}  // namespace
