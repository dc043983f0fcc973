#include "framework/IntegerText.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseInteger, AcceptsASignedNumberBetweenBlanks) {
    EXPECT_EQ(ParseInteger(L"42"), 42);
    EXPECT_EQ(ParseInteger(L"  -7 "), -7);
    EXPECT_EQ(ParseInteger(L"+0"), 0);
    EXPECT_EQ(ParseInteger(L"2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger(L"-2147483648"), -2147483647 - 1);
}

TEST(ParseInteger, RejectsEverythingElse) {
    for (const wchar_t* text : {L"", L"  ", L"-", L"1 2", L"12a", L"0x10", L"1.5", L"2147483648",
                                L"-2147483649", L"99999999999999999999", L"１２"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << "text: " << text;
    }
}

TEST(FillPlaceholders, ReplacesBothMarkersAndLeavesOtherPercents) {
    EXPECT_EQ(FillPlaceholders(L"%1 から %2 までの整数を入力してください。", L"2", L"5"),
              L"2 から 5 までの整数を入力してください。");
    EXPECT_EQ(FillPlaceholders(L"%2%1 100%", L"a", L"b"), L"ba 100%");
}

} // namespace
