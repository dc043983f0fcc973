#pragma once
// What the number boxes of the parameter pages do to a text the moment it
// changes. Each rule returns the text the box must show; when that equals the
// text it was given, the box is left alone. Applying a rule to its own result
// gives that result again, so a box that rewrites itself on every change
// settles after one rewrite. Portable: no windows.h.

#include <string>

// The value of the leading decimal digits of the first nine characters of
// `text`; 0 when it starts with anything else or is empty.
int LeadingDigitsValue(const std::wstring& text);

struct HeadCenteringResult {
    std::wstring text;
    // The box holds 1 to 6 while it has the focus: the user may be typing the
    // first digit of a two-digit column.
    bool pending = false;
};

// Head-centring boxes (columns 10 to 68). A text longer than three characters
// is cut down to the number it starts with. With the focus, 0 and 7 to 9 become
// "10", anything above 68 becomes "68" and 1 to 6 is left pending. Without the
// focus nothing else is corrected.
HeadCenteringResult HeadCenteringRule(const std::wstring& text, bool hasFocus);

// The sheet-guide intake seconds box (2 to 5). A text longer than two
// characters is cut down to the number it starts with; with the focus, values
// below 2 become "2" and values above 5 become "5".
std::wstring FeedTimeRule(const std::wstring& text, bool hasFocus);
