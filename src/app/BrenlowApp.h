// The application: start-up, the single-instance guard and the settings folder.
#pragma once

#include <windows.h>

extern const wchar_t kInstanceMutexName[];
extern const wchar_t kMainWindowClass[];

class CBrenlowApp {
public:
    // Runs the program; returns FALSE always, as the process ends afterwards.
    BOOL InitInstance();
    // Command routing of the application object (ID_HELP).
    bool OnCmdMsg(UINT id);
    void OpenHelpPage();

private:
    HANDLE m_instanceMutex = nullptr;  // held, never closed, until the process ends
};

CBrenlowApp& TheApp();
