#pragma once
// Paths of the program's own files, as text. Portable: no windows.h.

#include <string>

// The executable's folder, keeping its last backslash; a path without one
// stays whole.
std::wstring ProgramFolder(const std::wstring& executablePath);
