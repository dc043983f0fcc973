#pragma once
// The program's message boxes: every notice and question of its windows
// carries the caption "Switchboard".

#include <windows.h>

int ShowMessage(HWND owner, const wchar_t* text, UINT style);
