#include "pages/NumberBoxRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const wchar_t* const kSampleTexts[] = {
    L"",           L"0",   L"1",    L"5",    L"7",   L"9",       L"10",
    L"40",         L"68",  L"69",   L"100",  L"999", L"1234",    L"0005",
    L"00040",      L"abc", L"abcd", L"12ab", L"5a",  L"0000000", L"12345678901234",
    L"4294967296", L"-12", L"  7"};

TEST(LeadingDigitsValue, ReadsOnlyTheLeadingDigitsOfTheFirstNineCharacters) {
    EXPECT_EQ(LeadingDigitsValue(L""), 0);
    EXPECT_EQ(LeadingDigitsValue(L"abc"), 0);
    EXPECT_EQ(LeadingDigitsValue(L"-12"), 0);
    EXPECT_EQ(LeadingDigitsValue(L"12ab3"), 12);
    EXPECT_EQ(LeadingDigitsValue(L"0042"), 42);
    EXPECT_EQ(LeadingDigitsValue(L"12345678901234"), 123456789);
}

TEST(HeadCenteringRule, CorrectsWhatIsTypedWithTheFocus) {
    struct Case {
        const wchar_t* typed;
        const wchar_t* shown;
        bool pending;
    };
    const Case cases[] = {
        {L"7", L"10", false},     {L"9", L"10", false},    {L"0", L"10", false},
        {L"", L"10", false},      {L"abc", L"10", false},  {L"1", L"1", true},
        {L"5", L"5", true},       {L"6", L"6", true},      {L"50", L"50", false},
        {L"10", L"10", false},    {L"68", L"68", false},   {L"69", L"68", false},
        {L"100", L"68", false},   {L"1234", L"68", false}, {L"0005", L"5", true},
        {L"00040", L"40", false},
    };
    for (const Case& c : cases) {
        const HeadCenteringResult result = HeadCenteringRule(c.typed, true);
        EXPECT_EQ(result.text, c.shown) << "typed: " << c.typed;
        EXPECT_EQ(result.pending, c.pending) << "typed: " << c.typed;
    }
}

TEST(HeadCenteringRule, WithoutTheFocusOnlyShortensLongTextsAndNeverMarksPending) {
    for (const wchar_t* text : {L"", L"0", L"5", L"7", L"69", L"100", L"1234", L"abc"}) {
        const HeadCenteringResult result = HeadCenteringRule(text, false);
        EXPECT_EQ(result.text, text);
        EXPECT_FALSE(result.pending) << "text: " << text;
    }
    EXPECT_EQ(HeadCenteringRule(L"00012", false).text, L"12");
    EXPECT_EQ(HeadCenteringRule(L"abcd", false).text, L"0");
    EXPECT_EQ(HeadCenteringRule(L"12345678901234", false).text, L"123456789");
}

TEST(FeedTimeRule, KeepsTwoToFiveWithTheFocus) {
    for (const wchar_t* low : {L"0", L"1", L"", L"x", L"001"}) {
        EXPECT_EQ(FeedTimeRule(low, true), L"2") << "typed: " << low;
    }
    for (const wchar_t* high : {L"7", L"31", L"9", L"123"}) {
        EXPECT_EQ(FeedTimeRule(high, true), L"5") << "typed: " << high;
    }
    for (const wchar_t* fine : {L"2", L"3", L"5", L"05"}) {
        EXPECT_EQ(FeedTimeRule(fine, true), fine);
    }
    EXPECT_EQ(FeedTimeRule(L"004", true), L"4");
}

TEST(FeedTimeRule, WithoutTheFocusOnlyShortensLongTexts) {
    for (const wchar_t* text : {L"", L"0", L"7", L"31", L"ab"}) {
        EXPECT_EQ(FeedTimeRule(text, false), text);
    }
    EXPECT_EQ(FeedTimeRule(L"007", false), L"7");
    EXPECT_EQ(FeedTimeRule(L"123", false), L"123");
}

// A box rewrites itself with the rule's result and then sees that result as a
// change of its own: the second pass must leave it alone, or the box would
// rewrite itself for ever.
TEST(NumberBoxRules, SettleAfterOneRewrite) {
    for (bool focus : {true, false}) {
        for (const wchar_t* text : kSampleTexts) {
            const HeadCenteringResult once = HeadCenteringRule(text, focus);
            const HeadCenteringResult twice = HeadCenteringRule(once.text, focus);
            EXPECT_EQ(twice.text, once.text) << "text: " << text << " focus: " << focus;
            EXPECT_EQ(twice.pending, once.pending) << "text: " << text;

            const std::wstring seconds = FeedTimeRule(text, focus);
            EXPECT_EQ(FeedTimeRule(seconds, focus), seconds)
                << "text: " << text << " focus: " << focus;
        }
    }
}

} // namespace
