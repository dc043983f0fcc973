#include "pages/FormEntryRules.h"

#include <gtest/gtest.h>

namespace {

// Applies a correction the way the dialog does: the corrected text is put
// into the edit, which is handled as a change again, until the text stands.
// Gives the final text and how many replacements it took.
template <typename Correct>
std::pair<std::wstring, int> Settle(std::wstring text, Correct correct) {
    int replacements = 0;
    while (const auto corrected = correct(text)) {
        text = *corrected;
        if (++replacements > 10) {
            break;
        }
    }
    return {text, replacements};
}

std::wstring FeedTyped(const std::wstring& text, bool postcard = false) {
    return Settle(text, [&](const std::wstring& t) { return CorrectFeedText(t, true, postcard); })
        .first;
}

TEST(NearestTick, RoundsToTheNearestPositionAndTiesGoLow) {
    EXPECT_EQ(NearestTick(53, false), 0); // 7 from 46, 7 from 60
    EXPECT_EQ(NearestTick(90, false), 1); // 30 from 60, 30 from 120
    EXPECT_EQ(NearestTick(91, false), 2);
    EXPECT_EQ(NearestTick(100, false), 2);
    EXPECT_EQ(NearestTick(57, true), 0); // 3 from 54, 3 from 60
    EXPECT_EQ(NearestTick(58, true), 1);
    EXPECT_EQ(NearestTick(0, false), 0);
    EXPECT_EQ(NearestTick(999, true), 2);
    EXPECT_EQ(NearestTick(-2147483647 - 1, false), 0);
    for (bool postcard : {false, true}) {
        for (int tick = 0; tick < kTickCount; ++tick) {
            EXPECT_EQ(NearestTick(TickValue(tick, postcard), postcard), tick);
        }
    }
    EXPECT_EQ(TickValue(0, false), 46);
    EXPECT_EQ(TickValue(0, true), 54);
    EXPECT_EQ(TickValue(1, true), 60);
    EXPECT_EQ(TickValue(2, false), 120);
}

TEST(FeedText, DigitsThatCannotBecomeValidGiveFortyWhileTyping) {
    EXPECT_EQ(FeedTyped(L"2"), L"40");
    EXPECT_EQ(FeedTyped(L"3"), L"40");
    EXPECT_EQ(FeedTyped(L"0"), L"40");
    EXPECT_EQ(FeedTyped(L""), L"40"); // the whole text deleted
    EXPECT_EQ(FeedTyped(L"1"), L"1"); // may become 100 to 132
    EXPECT_EQ(FeedTyped(L"4"), L"4");
    EXPECT_EQ(FeedTyped(L"4", true), L"40"); // not for postcards
    EXPECT_EQ(FeedTyped(L"5", true), L"5");
    EXPECT_EQ(FeedTyped(L"39"), L"39"); // reported on OK, not while typing
    EXPECT_EQ(FeedTyped(L"132"), L"132");
    EXPECT_EQ(FeedTyped(L"133"), L"132");
    EXPECT_EQ(FeedTyped(L"999"), L"132");
}

TEST(FeedText, LongTextsBecomeTheirNumberAndEverythingSettles) {
    EXPECT_EQ(CorrectFeedText(L"00050", false, false), L"50");
    EXPECT_EQ(FeedTyped(L"00050"), L"50");
    EXPECT_EQ(FeedTyped(L"0040"), L"0040"); // four characters stand
    EXPECT_EQ(FeedTyped(L"12345"), L"132");
    EXPECT_EQ(FeedTyped(L"99999999999999"), L"132");
    // Without the focus (a value written by the program) only long texts change.
    EXPECT_FALSE(CorrectFeedText(L"2", false, false));
    EXPECT_FALSE(CorrectFeedText(L"200", false, false));
    for (const wchar_t* text : {L"12345", L"99999999999999", L"00000", L"-0005", L""}) {
        for (bool focused : {false, true}) {
            const auto settled = Settle(
                text, [&](const std::wstring& t) { return CorrectFeedText(t, focused, false); });
            EXPECT_LE(settled.second, 2) << "text " << text << " focused " << focused;
        }
    }
}

TEST(PageLengthText, StaysWithinOneToNinetyNineWhileTyping) {
    const auto typed = [](const std::wstring& text) {
        return Settle(text, [](const std::wstring& t) { return CorrectPageLengthText(t, true); })
            .first;
    };
    EXPECT_EQ(typed(L""), L"1");
    EXPECT_EQ(typed(L"0"), L"1");
    EXPECT_EQ(typed(L"1"), L"1");
    EXPECT_EQ(typed(L"99"), L"99");
    EXPECT_EQ(typed(L"100"), L"99");
    EXPECT_EQ(typed(L"0066"), L"66");
    EXPECT_EQ(typed(L"12345"), L"99");
    EXPECT_FALSE(CorrectPageLengthText(L"100", false));
    EXPECT_EQ(CorrectPageLengthText(L"0066", false), L"66");
}

TEST(LeftMarginText, ReachingTheRightMarginIsReportedAndSetBelowIt) {
    auto c = CorrectLeftMarginText(L"136", L"136", true);
    EXPECT_TRUE(c.reachedRight);
    EXPECT_EQ(c.text, L"135");
    c = CorrectLeftMarginText(L"10", L"10", true);
    EXPECT_TRUE(c.reachedRight);
    EXPECT_EQ(c.text, L"9");
    c = CorrectLeftMarginText(L"9", L"10", true);
    EXPECT_FALSE(c.reachedRight);
    EXPECT_FALSE(c.text);
    c = CorrectLeftMarginText(L"-5", L"10", true);
    EXPECT_FALSE(c.reachedRight);
    EXPECT_EQ(c.text, L"0");
    c = CorrectLeftMarginText(L"200", L"999", true); // right margin as read from a block
    EXPECT_EQ(c.text, L"135");
    c = CorrectLeftMarginText(L"50", L"10", false); // values written by the program stand
    EXPECT_FALSE(c.reachedRight);
    EXPECT_FALSE(c.text);
}

TEST(LeftMarginText, ARightMarginBelowOneGivesOneMessageAndZero) {
    for (const wchar_t* right : {L"0", L"-3"}) {
        int messages = 0;
        const auto settled = Settle(L"5", [&](const std::wstring& t) {
            const auto c = CorrectLeftMarginText(t, right, true);
            messages += c.reachedRight;
            return c.text;
        });
        EXPECT_EQ(settled.first, L"0") << "right " << right;
        EXPECT_EQ(messages, 1) << "right " << right;
    }
    EXPECT_FALSE(CorrectLeftMarginText(L"0", L"0", true).reachedRight);
}

TEST(RightMarginText, NotAboveTheLeftMarginIsOnlyMarked) {
    auto c = CorrectRightMarginText(L"5", L"10", true);
    EXPECT_TRUE(c.pending);
    EXPECT_FALSE(c.text);
    c = CorrectRightMarginText(L"10", L"10", true);
    EXPECT_TRUE(c.pending);
    c = CorrectRightMarginText(L"11", L"10", true);
    EXPECT_FALSE(c.pending);
    EXPECT_FALSE(c.text);
    c = CorrectRightMarginText(L"0", L"10", true);
    EXPECT_FALSE(c.pending);
    EXPECT_EQ(c.text, L"1");
    c = CorrectRightMarginText(L"137", L"10", true);
    EXPECT_EQ(c.text, L"136");
    c = CorrectRightMarginText(L"12345", L"10", true);
    EXPECT_EQ(c.text, L"136");
    c = CorrectRightMarginText(L"5", L"10", false);
    EXPECT_FALSE(c.pending);
    EXPECT_FALSE(c.text);
}

} // namespace
