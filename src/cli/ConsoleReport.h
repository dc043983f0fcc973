#pragma once
// Where a command that shows no window reports, line by line: the console
// the program was started from, when there is one, and standard error as
// UTF-8 when it is redirected to a file or a pipe. Never a message box.

#include <string>

void ReportLine(const std::wstring& line);
