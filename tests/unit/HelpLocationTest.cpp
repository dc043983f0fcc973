#include "app/HelpLocation.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpLocation, FormatFollowsTheWindowsVersion) {
    const struct {
        unsigned long platform, major, minor;
        bool html;
    } rows[] = {
        {kPlatformWindows9x, 4, 0, false}, // Windows 95
        {kPlatformWindows9x, 4, 10, true}, // Windows 98
        {kPlatformWindows9x, 4, 90, true}, // Windows Me
        {kPlatformWindowsNt, 3, 51, false}, {kPlatformWindowsNt, 4, 0, false},
        {kPlatformWindowsNt, 5, 0, true},                     // Windows 2000
        {kPlatformWindowsNt, 10, 0, true},  {0, 3, 10, true}, // any other platform
    };
    for (const auto& row : rows) {
        EXPECT_EQ(UsesHtmlHelp(row.platform, row.major, row.minor), row.html)
            << row.platform << " " << row.major << "." << row.minor;
    }
}

TEST(HelpLocation, PathLiesBesideTheExecutable) {
    EXPECT_EQ(HelpFilePath(L"C:\\Tools\\SB\\kvswbd.exe", true), L"C:\\Tools\\SB\\kvswbd.chm");
    EXPECT_EQ(HelpFilePath(L"C:\\kvswbd.exe", false), L"C:\\kvswbd.hlp");
    EXPECT_EQ(HelpFilePath(L"kvswbd.exe", true), L"kvswbd.exekvswbd.chm");
}

TEST(HelpLocation, ADeepFolderIsKeptWhole) {
    const std::wstring folder = L"C:\\" + std::wstring(300, L'a') + L"\\";
    EXPECT_EQ(HelpFilePath(folder + L"kvswbd.exe", true), folder + L"kvswbd.chm");
}

} // namespace
