// Help > Update and Help > Help of the real program, against the stand-in site.
#include "EndToEndFixture.h"
#include "net/SiteAddresses.h"

namespace {

const wchar_t kWaiting[] = L"Obtaining the latest version, please wait...";
const wchar_t kUpToDate[] = L"The current program is the latest version, no update!";
const wchar_t kNewer[] = L"There is a new version, would you like to check it out now?";
const wchar_t kNoConnection[] = L"Connection timed out! Please check your network connection and try again.";

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

class UpdateCheck : public EndToEnd {
protected:
    void SetUp() override {
        if (!SiteAvailable()) GTEST_SKIP() << "run through ctest, which starts the stand-in site";
        EndToEnd::SetUp();
        ClearBrowserLog();
        ClearSiteRequests();
    }
    void TearDown() override {
        if (!SiteAvailable()) return;
        SetSiteMode("{}");
        EndToEnd::TearDown();
    }

    // Opens the update dialog and waits for its answer.
    HWND OpenUpdate(bool waitForAnswer = true) {
        app->Command(32775);
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (dialog = app->FindMessageBox()) != nullptr; }));
        if (dialog && waitForAnswer) {
            EXPECT_TRUE(WaitUntil([&] { return Message(dialog) != kWaiting; }, 20000));
        }
        return dialog;
    }
    // An answer with one "OK" button that only closes the dialog.
    void ExpectAnswerWithOk(const wchar_t* message) {
        HWND dialog = OpenUpdate();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(Message(dialog), message);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, 1020)), L"OK");
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 1017)));
        EXPECT_TRUE(Closes(dialog, 1020));
    }
    static std::wstring Message(HWND dialog) { return WindowText(GetDlgItem(dialog, 1016)); }
    static RECT ClientRectOf(HWND dialog, int id) {
        RECT rc;
        GetWindowRect(GetDlgItem(dialog, id), &rc);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    static bool Closes(HWND dialog, int button) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return WaitUntil([&] { return !IsWindow(dialog); }, 3000);
    }
};

TEST_F(UpdateCheck, NewerVersionOffersYesAndNoAndYesOpensTheProductPage) {
    SetSiteMode(R"({"body": " 2.2 and words"})");
    Launch();
    HWND dialog = OpenUpdate();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(WindowText(dialog), L"Keyvane");
    EXPECT_EQ(Message(dialog), kNewer);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1020)), L"No");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1017)), L"Yes");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, 1017)));
    RECT client;
    GetClientRect(dialog, &client);
    RECT yes = ClientRectOf(dialog, 1017), no = ClientRectOf(dialog, 1020);
    int half = client.right / 2;
    EXPECT_EQ(no.left, half + 10);
    EXPECT_EQ(yes.right, half - 10);
    EXPECT_EQ(yes.top, no.top);

    EXPECT_TRUE(Closes(dialog, 1017));
    EXPECT_TRUE(WaitUntil([] { return BrowserLog().find("/keyvane.html") != std::string::npos; }));
    EXPECT_EQ(BrowserLog(), Narrow(ProductPageAddress()) + "\n");
    EXPECT_EQ(SiteRequests(), "/keyvane-checkupdate.html\tKeyvane\n");
}

TEST_F(UpdateCheck, NoNewerVersionOrNoUsablePageSaysLatest) {
    Launch();
    for (const char* mode : {R"({"body": "2.106"})", R"({"body": "2.1"})", R"({"body": "<html>3.0</html>"})",
                             R"({"body": ""})", R"({"status": 404, "body": "9.9"})"}) {
        SCOPED_TRACE(mode);
        SetSiteMode(mode);
        ExpectAnswerWithOk(kUpToDate);
    }
    EXPECT_EQ(BrowserLog(), "");
}

TEST_F(UpdateCheck, NoConnectionSaysSo) {
    Launch({{L"http_proxy", L"http://127.0.0.1:1"}});  // nothing listens there
    ExpectAnswerWithOk(kNoConnection);
}

TEST_F(UpdateCheck, CancelWhileTheSiteHangsClosesAtOnce) {
    SetSiteMode(R"({"hang": 15})");
    Launch();
    HWND dialog = OpenUpdate(false);
    ASSERT_TRUE(dialog);
    PumpFor(300);
    EXPECT_EQ(Message(dialog), kWaiting);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, 1020)), L"Cancel");
    EXPECT_TRUE(Closes(dialog, 1020));

    // The program goes on working while the abandoned check still waits.
    app->SelectKey(L"K");
    app->Command(1000);
    ASSERT_TRUE(app->WaitRunning());
    app->Command(1001);
    ASSERT_TRUE(app->WaitIdle());
    SetSiteMode("{}");
    HWND again = OpenUpdate();
    ASSERT_TRUE(again);
    EXPECT_EQ(Message(again), kUpToDate);
    EXPECT_TRUE(Closes(again, 1020));
    app->Close();
    EXPECT_TRUE(app->WaitForExit(5000));  // closing never waits for the network
}

TEST_F(UpdateCheck, HelpOpensTheHelpPage) {
    Launch();
    app->Command(32776);
    EXPECT_TRUE(WaitUntil([] { return !BrowserLog().empty(); }));
    EXPECT_EQ(BrowserLog(), Narrow(HelpPageAddress()) + "\n");
    EXPECT_TRUE(app->Running());
}

}  // namespace
