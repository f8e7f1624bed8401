// The About box of the real program, from the Help menu and the system menu.
#include "EndToEndFixture.h"
#include "net/SiteAddresses.h"

namespace {

TEST_F(EndToEnd, AboutBoxFromHelpMenuAndSystemMenu) {
    Launch();
    const struct {
        const char* how;
        UINT msg;
        WPARAM wp;
        UINT closeMsg;
        WPARAM closeWp;
    } ways[] = {
        {"Help > About, closed with OK/Enter", WM_COMMAND, 32773, WM_COMMAND, IDOK},
        {"system menu, closed with Escape", WM_SYSCOMMAND, 16, WM_COMMAND, IDCANCEL},
        {"Help > About, closed with the close box", WM_COMMAND, 32773, WM_CLOSE, 0},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        PostMessageW(app->Window(), way.msg, way.wp, 0);
        HWND about = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (about = app->FindMessageBox()) != nullptr; }));
        EXPECT_EQ(WindowText(about), L"About Keyvane");
        EXPECT_EQ(WindowText(GetDlgItem(about, 1011)), L"Keyvane, Version 2.1.0.6");
        EXPECT_EQ(WindowText(GetDlgItem(about, 1010)), HomePageAddress());
        PostMessageW(about, way.closeMsg, way.closeWp, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 3000));
    }
    EXPECT_TRUE(app->Running());
}

}  // namespace
