#include "net/SiteAddresses.h"

#ifndef KEYVANE_SITE_HOST
#define KEYVANE_SITE_HOST L"www.quorvel.com"
#endif

std::wstring SiteAddress(const wchar_t* path) { return std::wstring(L"http://") + KEYVANE_SITE_HOST + path; }
