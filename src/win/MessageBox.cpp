#include "win/MessageBox.h"

std::wstring ApplicationName() {
    wchar_t path[MAX_PATH] = L"";
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

int AppMessageBox(const std::wstring& text, UINT type) {
    // Owned by the active window of this thread, as a modal box should be.
    return MessageBoxW(GetActiveWindow(), text.c_str(), ApplicationName().c_str(), type);
}
