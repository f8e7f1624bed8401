#include "app/AppPaths.h"

#include <windows.h>

namespace {
std::wstring g_configPath;
}

const std::wstring& ConfigPath() { return g_configPath; }
void SetConfigPath(const std::wstring& path) { g_configPath = path; }

std::wstring SettingsFolderFor(const std::wstring& appData) { return appData + L"\\Quorvel\\Keyvane"; }

bool CreateDirectoryTree(const std::wstring& path) {
    size_t position = 0;
    while (position < path.size()) {
        size_t slash = path.find(L'\\', position);
        if (slash == std::wstring::npos) break;
        // Drive prefixes and folders that exist fail here; that is expected.
        CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
        position = slash + 1;
    }
    return CreateDirectoryW(path.c_str(), nullptr) != FALSE;
}
