#pragma once
// Message boxes shown on the test's own thread: while an AnswerMessageBoxes
// object lives, each box's caption and text are recorded and the box is
// answered with OK.

#include "framework/Text.h"

#include <windows.h>

#include <string>
#include <vector>

struct SeenBox {
    std::wstring caption;
    std::wstring text;
};

class AnswerMessageBoxes {
public:
    AnswerMessageBoxes() {
        Seen().clear();
        Hook() = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    ~AnswerMessageBoxes() { UnhookWindowsHookEx(Hook()); }
    AnswerMessageBoxes(const AnswerMessageBoxes&) = delete;
    AnswerMessageBoxes& operator=(const AnswerMessageBoxes&) = delete;

    static std::vector<SeenBox>& Seen() {
        static std::vector<SeenBox> boxes;
        return boxes;
    }

private:
    static HHOOK& Hook() {
        static HHOOK hook = nullptr;
        return hook;
    }
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE) {
            HWND box = reinterpret_cast<HWND>(wParam);
            if (HWND text = GetDlgItem(box, 0xFFFF)) {
                Seen().push_back({WindowText(box), WindowText(text)});
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
        }
        return CallNextHookEx(Hook(), code, wParam, lParam);
    }
};
