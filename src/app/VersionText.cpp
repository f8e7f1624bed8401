#include "app/VersionText.h"

#include <cstdio>
#include <cstdlib>

std::wstring FormatVersion(const VersionParts& p, bool compact) {
    wchar_t text[64];
    std::swprintf(text, 64, compact ? L"%u.%u%u%u" : L"%u.%u.%u.%u", unsigned{p.major}, unsigned{p.minor},
                  unsigned{p.build}, unsigned{p.revision});
    return text;
}

namespace {

bool IsSpace(char32_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

template <typename Text>
std::optional<double> ParseNumber(const Text& text) {
    size_t i = 0, n = text.size();
    auto at = [&](size_t k) -> char32_t { return k < n ? static_cast<char32_t>(text[k]) : 0; };
    while (IsSpace(at(i))) ++i;
    std::string number;
    if (at(i) == '+' || at(i) == '-') number += static_cast<char>(at(i++));
    size_t digits = 0;
    auto takeDigits = [&] {
        for (; IsDigit(at(i)); ++i, ++digits) number += static_cast<char>(at(i));
    };
    takeDigits();
    if (at(i) == '.') {
        number += '.';
        ++i;
        takeDigits();
    }
    if (digits == 0) return std::nullopt;
    if (at(i) == 'e' || at(i) == 'E') {
        size_t k = i + 1;
        if (at(k) == '+' || at(k) == '-') ++k;
        if (IsDigit(at(k))) {
            number += static_cast<char>(at(i));
            for (size_t j = i + 1; j < k; ++j) number += static_cast<char>(at(j));
            while (IsDigit(at(k))) number += static_cast<char>(at(k++));
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace

std::optional<double> ParseLeadingNumber(const std::string& text) { return ParseNumber(text); }
std::optional<double> ParseLeadingNumber(const std::wstring& text) { return ParseNumber(text); }

UpdateOutcome DecideUpdate(int fetchResult, const std::string& page, double ownNumber) {
    if (fetchResult == -1) return UpdateOutcome::ConnectionFailed;
    if (fetchResult != 0) return UpdateOutcome::UpToDate;
    std::optional<double> published = ParseLeadingNumber(page);
    if (!published || ownNumber >= *published) return UpdateOutcome::UpToDate;
    return UpdateOutcome::NewerVersion;
}
