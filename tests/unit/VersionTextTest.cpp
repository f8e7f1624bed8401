#include <gtest/gtest.h>

#include <cmath>

#include "app/VersionText.h"
#include "net/SiteAddresses.h"

TEST(VersionText, DottedAndCompactForms) {
    const struct {
        VersionParts parts;
        const wchar_t* dotted;
        const wchar_t* compact;
        double number;
    } cases[] = {
        {{2, 1, 0, 6}, L"2.1.0.6", L"2.106", 2.106},
        {{3, 0, 0, 0}, L"3.0.0.0", L"3.000", 3.0},
        {{2, 1, 12, 3}, L"2.1.12.3", L"2.1123", 2.1123},
        {{2, 10, 0, 0}, L"2.10.0.0", L"2.1000", 2.1},
        {{65535, 65535, 65535, 65535}, L"65535.65535.65535.65535", L"65535.655356553565535", 65535.655356553565535},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatVersion(c.parts, false), c.dotted);
        EXPECT_EQ(FormatVersion(c.parts, true), c.compact);
        EXPECT_DOUBLE_EQ(*ParseLeadingNumber(FormatVersion(c.parts, true)), c.number);
    }
    // Parts of more than one digit run together: 2.10 reads smaller than 2.9.
    EXPECT_LT(*ParseLeadingNumber(FormatVersion({2, 10, 0, 0}, true)),
              *ParseLeadingNumber(FormatVersion({2, 9, 0, 0}, true)));
}

TEST(VersionText, LeadingNumberOfAText) {
    const struct {
        const char* text;
        bool found;
        double value;
    } cases[] = {
        {"1.235", true, 1.235},   {" 1.235 and words", true, 1.235}, {"\r\n\t2.2\n", true, 2.2},
        {"2.", true, 2.0},        {".5", true, 0.5},                 {"-1.5x", true, -1.5},
        {"1e2", true, 100.0},     {"1e", true, 1.0},                 {"3.1.4", true, 3.1},
        {"", false, 0},           {"   ", false, 0},                 {"<html>2.2", false, 0},
        {"version 2.2", false, 0}, {".", false, 0},                  {"-", false, 0},
        {"information", false, 0}, {"nan", false, 0},                {"inf", false, 0},
        {"0x1A", true, 0.0},
    };
    for (const auto& c : cases) {
        std::optional<double> value = ParseLeadingNumber(std::string(c.text));
        EXPECT_EQ(value.has_value(), c.found) << c.text;
        if (value && c.found) {
            EXPECT_DOUBLE_EQ(*value, c.value) << c.text;
        }
    }
}

TEST(VersionText, UpdateDecision) {
    const struct {
        int result;
        const char* page;
        double own;
        UpdateOutcome outcome;
    } cases[] = {
        {0, "1.235", 1.234, UpdateOutcome::NewerVersion},
        {0, "1.234", 1.234, UpdateOutcome::UpToDate},
        {0, " 1.235 and words", 1.234, UpdateOutcome::NewerVersion},
        {0, "<html>9.9</html>", 1.234, UpdateOutcome::UpToDate},
        {0, "", 1.234, UpdateOutcome::UpToDate},
        {0, "information about 9.9", 2.106, UpdateOutcome::UpToDate},
        {0, "2.2", 2.106, UpdateOutcome::NewerVersion},
        {0, "2.106", 2.106, UpdateOutcome::UpToDate},
        {0, "2.1", 2.106, UpdateOutcome::UpToDate},
        {0, "0.1", 0.0, UpdateOutcome::NewerVersion},  // no version resource: anything above 0 is newer
        {1, "", 1.234, UpdateOutcome::UpToDate},
        {1, "9.9", 1.234, UpdateOutcome::UpToDate},
        {-1, "9.9", 1.234, UpdateOutcome::ConnectionFailed},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideUpdate(c.result, c.page, c.own), c.outcome) << c.result << " " << c.page;
}

TEST(SiteAddresses, AllMadeFromOneHost) {
    const std::wstring site = std::wstring(L"http://") + KEYVANE_SITE_HOST;
    EXPECT_EQ(VersionPageAddress(), site + L"/keyvane-checkupdate.html");
    EXPECT_EQ(ProductPageAddress(), site + L"/keyvane.html");
    EXPECT_EQ(HelpPageAddress(), site + L"/help-keyvane.html");
    EXPECT_EQ(HomePageAddress(), site + L"/");
}
