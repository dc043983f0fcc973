#include "pages/NumberBoxRules.h"

#include <algorithm>

namespace {

// Nine digits always fit in an int.
constexpr std::size_t kDigitsLookedAt = 9;

} // namespace

int LeadingDigitsValue(const std::wstring& text) {
    int value = 0;
    const std::size_t end = std::min(text.size(), kDigitsLookedAt);
    for (std::size_t i = 0; i < end && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
    }
    return value;
}

HeadCenteringResult HeadCenteringRule(const std::wstring& text, bool hasFocus) {
    const int value = LeadingDigitsValue(text);
    HeadCenteringResult result{text.size() > 3 ? std::to_wstring(value) : text, false};
    if (!hasFocus) {
        return result;
    }
    if (value >= 1 && value <= 6) {
        result.pending = true;
    } else if (value < 10) {
        result.text = L"10";
    } else if (value > 68) {
        result.text = L"68";
    }
    return result;
}

std::wstring FeedTimeRule(const std::wstring& text, bool hasFocus) {
    const int value = LeadingDigitsValue(text);
    std::wstring result = text.size() > 2 ? std::to_wstring(value) : text;
    if (hasFocus && value < 2) {
        result = L"2";
    } else if (hasFocus && value > 5) {
        result = L"5";
    }
    return result;
}
