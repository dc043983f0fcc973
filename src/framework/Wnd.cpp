#include "framework/Wnd.h"

HWND CWnd::GetDlgItem(int id) const {
    for (const auto& [itemId, item] : m_items) {
        // A kept handle counts only while it is still this window's child with
        // that id: a dialog run again has new controls.
        if (itemId == id && GetWindowLongPtrW(item, GWLP_ID) == id &&
            reinterpret_cast<HWND>(GetWindowLongPtrW(item, GWLP_HWNDPARENT)) == m_hWnd) {
            return item;
        }
    }
    HWND item = ::GetDlgItem(m_hWnd, id);
    if (item) {
        for (auto& entry : m_items) {
            if (entry.first == id) {
                entry.second = item;
                return item;
            }
        }
        m_items.emplace_back(id, item);
    }
    return item;
}
