// The update check: a small dialog whose worker thread fetches the version page
// and tells whether a newer version exists.
//
// The worker never touches the dialog. It posts its outcome to the dialog's
// window, through state both share, which the dialog disconnects when its
// window goes away; so closing never waits for the network, and a worker that
// finishes after the dialog closed just ends.
#pragma once

#include <windows.h>

#include <memory>

#include "app/VersionText.h"
#include "win/Controls.h"
#include "win/CriticalSection.h"
#include "win/Dialog.h"

extern const wchar_t kConnectionFailedMessage[];
extern const wchar_t kUpToDateMessage[];
extern const wchar_t kNewerVersionMessage[];

class CUpdateDlg : public DialogBase {
public:
    CUpdateDlg();
    ~CUpdateDlg() override;

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    struct SharedState {
        CriticalSection lock;
        HWND dialog = nullptr;  // null once the dialog's window is gone
    };

    static DWORD WINAPI CheckUpdateProc(void* parameter);
    void DoDataExchange();
    void ShowOutcome(UpdateOutcome outcome);
    void PlaceYesNoButtons();
    void OnBnClickedVisit();
    void OnBnClickedClose() { OnCancel(); }

    HANDLE m_hCheckThread = nullptr;
    std::shared_ptr<SharedState> m_state;
    StaticControl m_staticMessage;
    ButtonControl m_btnClose;
    ButtonControl m_btnVisit;
};
