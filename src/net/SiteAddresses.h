// The product web site's addresses, all made from the one host name the build sets.
#pragma once

#include <string>

std::wstring SiteAddress(const wchar_t* path);

inline std::wstring VersionPageAddress() { return SiteAddress(L"/keyvane-checkupdate.html"); }
inline std::wstring ProductPageAddress() { return SiteAddress(L"/keyvane.html"); }
inline std::wstring HelpPageAddress() { return SiteAddress(L"/help-keyvane.html"); }
inline std::wstring HomePageAddress() { return SiteAddress(L"/"); }
