#include "app/HelpLocation.h"

#include "framework/Paths.h"

bool UsesHtmlHelp(unsigned long platformId, unsigned long major, unsigned long minor) {
    switch (platformId) {
    case kPlatformWindows9x:
        return !(major < 5 && minor < 10); // Windows 95 is 4.0, Windows 98 is 4.10
    case kPlatformWindowsNt:
        return major >= 5;
    default:
        return true;
    }
}

std::wstring HelpFilePath(const std::wstring& executablePath, bool html) {
    return ProgramFolder(executablePath) + (html ? L"kvswbd.chm" : L"kvswbd.hlp");
}
