// Where Keyvane keeps its settings.
#pragma once

#include <string>

// Full path of conf.ini; empty until start-up sets it.
const std::wstring& ConfigPath();
void SetConfigPath(const std::wstring& path);

// "<application data>\Quorvel\Keyvane" for the given application-data folder.
std::wstring SettingsFolderFor(const std::wstring& appData);

// Creates every missing folder along the path; the result is that of creating
// the last one (false when it already existed).
bool CreateDirectoryTree(const std::wstring& path);
