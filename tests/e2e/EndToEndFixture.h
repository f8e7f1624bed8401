// What every end-to-end test shares: a private application-data folder, the
// key recorder, the stand-in browser, and a window of ours to take the keys.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../wine/SiteState.h"
#include "../wine/TempFolder.h"
#include "KeyRecorder.h"
#include "KeyvaneProcess.h"

inline const std::vector<std::string> kReleaseAll = {"Ctrl^", "Shift^", "Alt^"};
inline const int kOptionControls[] = {1002, 1025, 1024, 1007, 1008, 1009, 1022, 1023};

inline std::string Joined(const std::vector<std::string>& keys) {
    std::string out;
    for (const auto& k : keys) out += k + " ";
    return out;
}

class EndToEnd : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    void SetUp() override { UseAppData(L"keyvane-e2e"); }

    void TearDown() override {
        app.reset();
        DestroyWindow(target);
        ExpectNoKeyLeftDown();
    }

    void UseAppData(const std::wstring& name) {
        redirect.reset();
        folder = std::make_unique<TempFolder>(name);
        redirect = std::make_unique<AppDataRedirect>(folder->Path());
    }

    std::wstring ConfPath() const { return folder->Path() + L"\\Quorvel\\Keyvane\\conf.ini"; }

    // Starts Keyvane, then gives the keyboard focus to a window of ours so that
    // the keys it presses land somewhere harmless.
    void Launch(const std::vector<std::pair<std::wstring, std::wstring>>& environment = {}) {
        app = std::make_unique<KeyvaneProcess>();
        for (const auto& variable : environment) app->SetEnvironment(variable.first, variable.second);
        recorder->Clear();
        ASSERT_TRUE(app->StartAndWaitForWindow());
        ASSERT_TRUE(WaitUntil([] { return recorder->ProgramKeys().size() >= 3; }));
        if (!target) {
            target = CreateWindowExW(0, L"EDIT", L"target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 400, 200, 100,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        }
        // Keyvane's window may take the focus back as it finishes showing.
        ASSERT_TRUE(WaitUntil([this] {
            if (GetForegroundWindow() == target) return true;
            SetForegroundWindow(target);
            SetFocus(target);
            return false;
        }));
        PumpFor(100);
        ASSERT_EQ(GetForegroundWindow(), target);
    }

    // The program's events once the hook has seen them all (it is fed asynchronously).
    static std::vector<KeyEvent> Events() {
        size_t count = recorder->ProgramEvents().size();
        for (;;) {
            PumpFor(150);
            size_t now = recorder->ProgramEvents().size();
            if (now == count) return recorder->ProgramEvents();
            count = now;
        }
    }
    static std::vector<std::string> Keys() {
        Events();
        return recorder->ProgramKeys();
    }

    void Relaunch() {
        app->Close();
        ASSERT_TRUE(app->WaitForExit());
        Launch();
    }

    void ExpectIdleControls(bool hold) {
        EXPECT_TRUE(app->Enabled(1000));
        EXPECT_FALSE(app->Enabled(1001));
        for (int id : kOptionControls) {
            bool delayOnly = id == 1002 || id == 1025;
            EXPECT_EQ(app->Enabled(id), delayOnly ? !hold : true) << id;
        }
    }

    void ExpectNoKeyLeftDown() {
        std::map<DWORD, bool> down;
        for (const KeyEvent& e : Events()) down[e.vk] = !e.up;
        for (const auto& entry : down) EXPECT_FALSE(entry.second) << "left down: " << KeyName(entry.first);
    }

    void InjectChord(BYTE key) {
        InjectKey(VK_CONTROL, false);
        InjectKey(key, false);
        InjectKey(key, true);
        InjectKey(VK_CONTROL, true);
    }

    static KeyRecorder* recorder;
    static std::unique_ptr<BrowserRedirect> browser;
    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<AppDataRedirect> redirect;
    std::unique_ptr<KeyvaneProcess> app;
    HWND target = nullptr;
};

