// The stand-in web site as the tests see it: its control file, its request log
// and the log of addresses the stand-in browser was asked to open.
#pragma once

#include <string>

// A Unix path from the environment as Wine sees it (drive Z:).
std::wstring WinePathFromEnvironment(const wchar_t* name);

// Sets how the site answers, e.g. {"status": 404}.
void SetSiteMode(const std::string& json);
std::string SiteRequests();
void ClearSiteRequests();
std::string BrowserLog();
void ClearBrowserLog();
bool SiteAvailable();

// Points Wine's browser launcher at the recording stand-in browser.
class BrowserRedirect {
public:
    BrowserRedirect();
    ~BrowserRedirect();
    BrowserRedirect(const BrowserRedirect&) = delete;
    BrowserRedirect& operator=(const BrowserRedirect&) = delete;

private:
    std::wstring m_previous;
    bool m_hadValue = false;
};
