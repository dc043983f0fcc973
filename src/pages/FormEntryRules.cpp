#include "pages/FormEntryRules.h"

#include "settings/FieldCodec.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kScale[kTickCount] = {46, 60, 120};
constexpr int kPostcardScale[kTickCount] = {54, 60, 120};

// The text an edit shows for a value, after a text of more than `maxLength`
// characters was replaced by its number.
std::wstring Shortened(const std::wstring& text, std::size_t maxLength, int value) {
    return text.size() > maxLength ? std::to_wstring(value) : text;
}

std::optional<std::wstring> IfChanged(const std::wstring& result, const std::wstring& text) {
    if (result == text) {
        return std::nullopt;
    }
    return result;
}

} // namespace

int TickValue(int tick, bool postcard) {
    const int position = tick < 0 ? 0 : tick >= kTickCount ? kTickCount - 1 : tick;
    return (postcard ? kPostcardScale : kScale)[position];
}

int NearestTick(int value, bool postcard) {
    int best = 0;
    long long bestDistance = -1;
    for (int tick = 0; tick < kTickCount; ++tick) {
        const long long distance = std::llabs(static_cast<long long>(TickValue(tick, postcard)) -
                                              static_cast<long long>(value));
        if (distance == 0) {
            return tick;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = tick;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<std::wstring> CorrectFeedText(const std::wstring& text, bool focused, bool postcard) {
    const int value = LeadingInteger(text);
    std::wstring result = Shortened(text, 4, value);
    if (focused) {
        const bool hopeless = value == 0 || value == 2 || value == 3 || (postcard && value == 4);
        if (hopeless) {
            result = std::to_wstring(kFeedMin);
        } else if (value > kFeedMax) {
            result = std::to_wstring(kFeedMax);
        }
    }
    return IfChanged(result, text);
}

std::optional<std::wstring> CorrectPageLengthText(const std::wstring& text, bool focused) {
    const int value = LeadingInteger(text);
    std::wstring result = Shortened(text, 3, value);
    if (focused) {
        if (value < kPageLengthMin) {
            result = std::to_wstring(kPageLengthMin);
        } else if (value > kPageLengthMax) {
            result = std::to_wstring(kPageLengthMax);
        }
    }
    return IfChanged(result, text);
}

LeftMarginCorrection CorrectLeftMarginText(const std::wstring& leftText,
                                           const std::wstring& rightText, bool focused) {
    const int left = LeadingInteger(leftText);
    const int right = LeadingInteger(rightText);
    LeftMarginCorrection correction;
    std::wstring result = Shortened(leftText, 4, left);
    if (focused) {
        if (left < kLeftMarginMin) {
            result = std::to_wstring(kLeftMarginMin);
        } else if (left >= right && left > kLeftMarginMin) {
            correction.reachedRight = true;
            result = std::to_wstring(std::max(right - 1, kLeftMarginMin));
        } else if (left > kLeftMarginMax) {
            result = std::to_wstring(kLeftMarginMax);
        }
    }
    correction.text = IfChanged(result, leftText);
    return correction;
}

RightMarginCorrection CorrectRightMarginText(const std::wstring& rightText,
                                             const std::wstring& leftText, bool focused) {
    const int left = LeadingInteger(leftText);
    const int right = LeadingInteger(rightText);
    RightMarginCorrection correction;
    std::wstring result = Shortened(rightText, 4, right);
    if (focused) {
        if (right < kRightMarginMin) {
            result = std::to_wstring(kRightMarginMin);
        } else if (right <= left) {
            correction.pending = true;
        } else if (right > kRightMarginMax) {
            result = std::to_wstring(kRightMarginMax);
        }
    }
    correction.text = IfChanged(result, rightText);
    return correction;
}
