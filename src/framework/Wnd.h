#pragma once
// Base of every window wrapper: a non-owning holder of a window handle.

#include <windows.h>

#include <utility>
#include <vector>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // A child control by its id. The handles are kept once found: looking a
    // control up costs a round trip to the window server under Wine, and the
    // pages ask for their controls on every data check.
    HWND GetDlgItem(int id) const;
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }

    HWND m_hWnd = nullptr;

private:
    mutable std::vector<std::pair<int, HWND>> m_items;
};
