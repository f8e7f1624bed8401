// A fresh folder under the temporary folder, removed with its files afterwards.
#pragma once

#include <windows.h>

#include <string>

class TempFolder {
public:
    explicit TempFolder(const std::wstring& name = L"keyvane-test") {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        m_path = std::wstring(base) + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++Counter());
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(m_path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

    static void RemoveTree(const std::wstring& path) {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                std::wstring child = path + L"\\" + name;
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    DeleteFileW(child.c_str());
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(path.c_str());
    }

private:
    static int& Counter() {
        static int counter = 0;
        return counter;
    }
    std::wstring m_path;
};

inline std::string ReadFileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

inline void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

inline std::string WithoutCarriageReturns(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}
