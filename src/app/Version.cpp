#include "app/Version.h"

#include <windows.h>

#include <vector>

#include "app/VersionText.h"

std::wstring GetVersionTextOf(const std::wstring& path, bool compact) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0) return std::wstring();
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return std::wstring();
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::wstring();
    VersionParts parts{HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                       HIWORD(info->dwProductVersionLS), LOWORD(info->dwProductVersionLS)};
    return FormatVersion(parts, compact);
}

std::wstring GetVersionText(bool compact) {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return GetVersionTextOf(path, compact);
}

double GetVersionNumber() { return ParseLeadingNumber(GetVersionText(true)).value_or(0.0); }
