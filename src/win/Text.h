// Conversions between UTF-16 and the narrow text of the thread's ANSI code page.
#pragma once

#include <string>

std::string WideToAnsi(const std::wstring& text);
std::wstring AnsiToWide(const std::string& text);
