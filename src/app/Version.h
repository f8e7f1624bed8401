// The running program's own version, read from its version resource.
#pragma once

#include <string>

// Empty when the executable has no version resource.
std::wstring GetVersionText(bool compact);
// The compact text as a number; 0 when there is none.
double GetVersionNumber();

// The same for any executable.
std::wstring GetVersionTextOf(const std::wstring& path, bool compact);
