#pragma once
// Owner of a menu handle; the menu is destroyed with the object unless it has
// been handed over with Detach.

#include <windows.h>

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    bool LoadMenu(UINT id);
    void Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    // Enables the item that carries command `id`, or greys and disables it.
    static void EnableCommand(HMENU menu, UINT id, bool enabled);

    HMENU m_hMenu = nullptr;
};
