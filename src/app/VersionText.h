// The program's version as text and as a number, and reading a published number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct VersionParts {
    std::uint16_t major, minor, build, revision;
};

// Dotted "2.1.0.6", or compact "2.106" (major, a point, the other parts run together).
std::wstring FormatVersion(const VersionParts& parts, bool compact);

// Reads the leading decimal number of a text: blanks skipped, an optional sign,
// digits with an optional fraction after a point and an optional exponent; the
// rest is ignored. Unlike "%lf" it never takes "inf", "nan" or hexadecimal
// forms, so a page that starts with a word such as "information" is no number.
std::optional<double> ParseLeadingNumber(const std::string& text);
std::optional<double> ParseLeadingNumber(const std::wstring& text);

enum class UpdateOutcome { ConnectionFailed, UpToDate, NewerVersion };

// What the update check tells the user, from the fetch result (0 page read,
// 1 no usable page, -1 transfer failed), the page's narrow text and the
// program's own number.
UpdateOutcome DecideUpdate(int fetchResult, const std::string& page, double ownNumber);
