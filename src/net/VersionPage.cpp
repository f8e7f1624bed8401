#include "net/VersionPage.h"

#include <cstring>

#include "net/SiteAddresses.h"
#include "win/Internet.h"
#include "win/MessageBox.h"

namespace {

void AppendChunk(std::wstring& page, const char* chunk) {
    // Each chunk is text of its own, up to its first zero byte.
    int bytes = static_cast<int>(std::strlen(chunk));
    if (bytes == 0) return;
    int size = MultiByteToWideChar(CP_THREAD_ACP, 0, chunk, bytes, nullptr, 0);
    if (size <= 0) return;
    std::wstring text(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, chunk, bytes, &text[0], size);
    page += text;
}

int FetchPage(const std::wstring& address, std::wstring& page) {
    page.clear();
    InternetHandle session(
        InternetOpenW(ApplicationName().c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return -1;
    InternetHandle request(
        InternetOpenUrlW(session.Get(), address.c_str(), nullptr, 0, INTERNET_FLAG_TRANSFER_ASCII, 1));
    if (!request) return -1;

    DWORD status = 0;
    DWORD length = sizeof status;
    if (!HttpQueryInfoW(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &length, nullptr))
        return 1;
    if (status - 200 > 99) return 1;

    char buffer[1025];
    for (;;) {
        std::memset(buffer, 0, sizeof buffer);
        DWORD read = 0;
        if (!InternetReadFile(request.Get(), buffer, 1024, &read)) return -1;
        if (read == 0) return 0;
        AppendChunk(page, buffer);
    }
}

}  // namespace

int FetchVersionPage(std::wstring& page) { return FetchPage(VersionPageAddress(), page); }
