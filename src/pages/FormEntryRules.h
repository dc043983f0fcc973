#pragma once
// Entry rules of the form settings dialog that need no window: the trackbar
// scale of the intake positions and the corrections made while the user types.
//
// Each correction takes an edit's new text and whether the edit has the
// keyboard focus (only then is the user typing there) and gives the text the
// edit must show instead, or nothing when the text stands. Putting the
// corrected text into the edit is a change of its own that needs no further
// correction, so every correction settles at once, even for pasted texts of
// many digits.

#include <optional>
#include <string>

// An intake position's trackbar has three positions.
constexpr int kTickCount = 3;
constexpr int kFeedMin = 40;
constexpr int kFeedMax = 132;
constexpr int kPageLengthMin = 1;
constexpr int kPageLengthMax = 99;
constexpr int kLeftMarginMin = 0;
constexpr int kLeftMarginMax = 135;
constexpr int kRightMarginMin = 1;
constexpr int kRightMarginMax = 136;

// The intake position (1/120 inch) that a trackbar position stands for:
// 46 (postcards 54), 60 and 120.
int TickValue(int tick, bool postcard);
// The trackbar position nearest to an intake position; on equal distances
// the lower position wins.
int NearestTick(int value, bool postcard);

// An intake-position edit. A text of more than four characters becomes its
// number ("00050" gives "50"). While typing, 0, 2 and 3 (postcards also 4)
// give "40", since no more digits can make them a valid value; other values
// below 40 stand, as digits may follow. Above 132 gives "132".
std::optional<std::wstring> CorrectFeedText(const std::wstring& text, bool focused, bool postcard);

// The page length edit: more than three characters become the number; while
// typing, below 1 gives "1" and above 99 gives "99".
std::optional<std::wstring> CorrectPageLengthText(const std::wstring& text, bool focused);

struct LeftMarginCorrection {
    std::optional<std::wstring> text;
    // The left margin reached the right one: the user is told before the
    // text changes to the right margin less one.
    bool reachedRight = false;
};

// The left margin edit: more than four characters become the number; while
// typing, a negative value gives "0", a value not below the right margin
// gives the right margin less one (never below 0), and above 135 gives "135".
// A left margin of 0 is left alone even when the right margin read from a
// settings block is below 1: no smaller value exists, and telling the user
// again would repeat without end.
LeftMarginCorrection CorrectLeftMarginText(const std::wstring& leftText,
                                           const std::wstring& rightText, bool focused);

struct RightMarginCorrection {
    std::optional<std::wstring> text;
    // The right margin does not exceed the left one; OK reports it.
    bool pending = false;
};

// The right margin edit: more than four characters become the number; while
// typing, below 1 gives "1" and above 136 gives "136"; a value not above the
// left margin stands but is marked pending.
RightMarginCorrection CorrectRightMarginText(const std::wstring& rightText,
                                             const std::wstring& leftText, bool focused);
