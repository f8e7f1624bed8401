#include "ui/UpdateDlg.h"

#include <shellapi.h>

#include "app/Version.h"
#include "net/SiteAddresses.h"
#include "net/VersionPage.h"
#include "res/resource.h"
#include "ui/DialogBackground.h"
#include "win/Text.h"

const wchar_t kConnectionFailedMessage[] =
    L"Connection timed out! Please check your network connection and try again.";
const wchar_t kUpToDateMessage[] = L"The current program is the latest version, no update!";
const wchar_t kNewerVersionMessage[] = L"There is a new version, would you like to check it out now?";

namespace {
constexpr UINT kOutcomeMessage = WM_APP + 1;  // wParam: UpdateOutcome
}

CUpdateDlg::CUpdateDlg() : DialogBase(IDD_UPDATE) {}

CUpdateDlg::~CUpdateDlg() {
    // A worker still running is left to finish on its own; see the header.
    if (m_hCheckThread) CloseHandle(m_hCheckThread);
}

void CUpdateDlg::DoDataExchange() {
    m_staticMessage = StaticControl(Window().Item(IDC_UPDATE_MESSAGE).Handle());
    m_btnClose = ButtonControl(Window().Item(IDC_UPDATE_CLOSE).Handle());
    m_btnVisit = ButtonControl(Window().Item(IDC_UPDATE_VISIT).Handle());
}

BOOL CUpdateDlg::OnInitDialog() {
    DoDataExchange();
    m_btnVisit.Show(SW_HIDE);
    m_btnClose.Show(SW_SHOW);
    m_state = std::make_shared<SharedState>();
    m_state->dialog = Handle();
    auto* workerState = new std::shared_ptr<SharedState>(m_state);
    m_hCheckThread = CreateThread(nullptr, 0, &CUpdateDlg::CheckUpdateProc, workerState, 0, nullptr);
    if (!m_hCheckThread) {
        delete workerState;
        ShowOutcome(UpdateOutcome::ConnectionFailed);
    }
    return TRUE;
}

DWORD WINAPI CUpdateDlg::CheckUpdateProc(void* parameter) {
    std::unique_ptr<std::shared_ptr<SharedState>> state(static_cast<std::shared_ptr<SharedState>*>(parameter));
    UpdateOutcome outcome = UpdateOutcome::ConnectionFailed;
    try {
        std::wstring page;
        int result = FetchVersionPage(page);
        outcome = DecideUpdate(result, WideToAnsi(page), GetVersionNumber());
    } catch (...) {
        // Out of memory or the like: reported as a failed check.
    }
    CriticalSection::Lock lock((*state)->lock);
    if ((*state)->dialog) PostMessageW((*state)->dialog, kOutcomeMessage, static_cast<WPARAM>(outcome), 0);
    return 0;
}

void CUpdateDlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_UPDATE_VISIT: OnBnClickedVisit(); break;
        case IDC_UPDATE_CLOSE: OnBnClickedClose(); break;
        default: DialogBase::OnCommand(id, code, control); break;
    }
}

bool CUpdateDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    switch (msg) {
        case kOutcomeMessage:
            ShowOutcome(static_cast<UpdateOutcome>(wp));
            return true;
        case WM_DESTROY:
            if (m_state) {
                CriticalSection::Lock lock(m_state->lock);
                m_state->dialog = nullptr;
            }
            return false;
        default: return HandleDialogBackground(Handle(), msg, wp, lp, result);
    }
}

void CUpdateDlg::ShowOutcome(UpdateOutcome outcome) {
    switch (outcome) {
        case UpdateOutcome::ConnectionFailed:
            m_staticMessage.SetText(kConnectionFailedMessage);
            m_btnClose.SetText(L"OK");
            break;
        case UpdateOutcome::UpToDate:
            m_staticMessage.SetText(kUpToDateMessage);
            m_btnClose.SetText(L"OK");
            break;
        case UpdateOutcome::NewerVersion:
            m_staticMessage.SetText(kNewerVersionMessage);
            PlaceYesNoButtons();
            m_btnClose.SetText(L"No");
            m_btnVisit.SetText(L"Yes");
            m_btnVisit.Show(SW_SHOW);
            break;
    }
}

// "Yes" left and "No" right, 10 pixels either side of the dialog's middle.
void CUpdateDlg::PlaceYesNoButtons() {
    RECT client = Window().ClientRect();
    RECT close;
    GetWindowRect(m_btnClose.Handle(), &close);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&close), 2);
    int half = (client.right - client.left) / 2;
    int width = close.right - close.left;
    SetWindowPos(m_btnClose.Handle(), nullptr, half + 10, close.top, 0, 0, SWP_NOSIZE);
    SetWindowPos(m_btnVisit.Handle(), nullptr, half - width - 10, close.top, 0, 0, SWP_NOSIZE);
}

void CUpdateDlg::OnBnClickedVisit() {
    ShellExecuteW(nullptr, L"open", ProductPageAddress().c_str(), nullptr, nullptr, SW_SHOW);
    OnOK();
}
