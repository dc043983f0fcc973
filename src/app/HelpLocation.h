#pragma once
// Which help file the program uses and where it lies: beside the executable,
// compiled HTML help on every Windows that has its viewer, classic help on
// Windows 95 and NT 4 and older.

#include <string>

// Platform identifiers as the version query reports them.
constexpr unsigned long kPlatformWindows9x = 1;
constexpr unsigned long kPlatformWindowsNt = 2;

bool UsesHtmlHelp(unsigned long platformId, unsigned long major, unsigned long minor);

// Full path of the help file in the program's folder, however long.
std::wstring HelpFilePath(const std::wstring& executablePath, bool html);
