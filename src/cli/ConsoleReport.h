#pragma once
// Where a command that shows no window reports, line by line: the console
// the program was started from, when there is one, and standard error when it
// is redirected to a file or a pipe. Batch files, `type`, `findstr` and
// `for /f` read redirected lines in the console's code page, so they are
// written in the console's output code page, or in the ANSI code page when
// there is no console; a character the code page lacks becomes "?". Never a
// message box.

#include <string>

void ReportLine(const std::wstring& line);
