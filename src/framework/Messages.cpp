#include "framework/Messages.h"

int ShowMessage(HWND owner, const wchar_t* text, UINT style) {
    return MessageBoxW(owner, text, L"Switchboard", style);
}
