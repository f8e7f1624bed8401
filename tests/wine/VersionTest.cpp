// The program's version resource, and the version page fetched from the
// stand-in site through the proxy setting.
#include <gtest/gtest.h>

#include "SiteState.h"
#include "app/Version.h"
#include "net/VersionPage.h"
#include "win/MessageBox.h"

namespace {

std::wstring KeyvaneExe() {
    wchar_t self[MAX_PATH];
    std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    for (int i = 0; i < 3; ++i) path.erase(path.find_last_of(L'\\'));
    return path + L"\\src\\Keyvane.exe";
}

TEST(Version, ReadFromTheExecutablesResource) {
    EXPECT_EQ(GetVersionTextOf(KeyvaneExe(), false), L"2.1.0.6");
    EXPECT_EQ(GetVersionTextOf(KeyvaneExe(), true), L"2.106");
    // This test program has no version resource.
    EXPECT_EQ(GetVersionText(false), L"");
    EXPECT_EQ(GetVersionText(true), L"");
    EXPECT_EQ(GetVersionNumber(), 0.0);
}

class VersionPage : public testing::Test {
protected:
    void SetUp() override {
        if (!SiteAvailable()) GTEST_SKIP() << "run through ctest, which starts the stand-in site";
    }
    void TearDown() override {
        if (SiteAvailable()) SetSiteMode("{}");
    }
};

TEST_F(VersionPage, ResultsByStatusAndBody) {
    const struct {
        const char* mode;
        int result;
        std::wstring page;
    } cases[] = {
        {"{}", 0, L"2.106\n"},
        {R"({"status": 200, "body": ""})", 0, L""},
        {R"({"status": 204, "body": ""})", 0, L""},
        {R"({"status": 299, "body": "1.5"})", 0, L"1.5"},
        {R"({"status": 300, "body": "1.5"})", 1, L""},
        {R"({"status": 404})", 1, L""},
        {R"({"status": 500, "body": "9.9"})", 1, L""},
        // A zero byte ends its chunk's text.
        {R"({"body": "1.2\u0000hidden"})", 0, L"1.2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        SetSiteMode(c.mode);
        std::wstring page = L"left over";
        EXPECT_EQ(FetchVersionPage(page), c.result);
        EXPECT_EQ(page, c.page);
    }
}

// (No connection at all is tested end to end, where the proxy setting of a new
// process can point at a port nobody listens on.)
TEST_F(VersionPage, DroppedConnectionGivesNoPage) {
    // A connection reset before any answer: Wine's WinINet reports it either as a
    // failure or as an empty answer, depending on when the reset lands.
    SetSiteMode(R"({"drop": true})");
    std::wstring page = L"left over";
    int result = FetchVersionPage(page);
    EXPECT_TRUE(result == -1 || result == 0) << result;
    EXPECT_EQ(page, L"");
}

TEST_F(VersionPage, LongBodyArrivesWhole) {
    SetSiteMode(R"({"body_size": 3000})");
    std::wstring page;
    ASSERT_EQ(FetchVersionPage(page), 0);
    const std::wstring pattern = L"0123456789abcdefghijklmnopqrstuvwxyz\n";
    std::wstring expected;
    while (expected.size() < 3000) expected += pattern;
    expected.resize(3000);
    EXPECT_EQ(page, expected);  // three reads, appended in order
}

TEST_F(VersionPage, AsksForThePageWithTheApplicationNameAsAgent) {
    ClearSiteRequests();
    std::wstring page;
    FetchVersionPage(page);
    std::string expected = "/keyvane-checkupdate.html\t";
    for (wchar_t c : ApplicationName()) expected += static_cast<char>(c);
    EXPECT_EQ(SiteRequests(), expected + "\n");
}

}  // namespace
