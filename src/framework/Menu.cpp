#include "framework/Menu.h"

#include "framework/WinApp.h"

CMenu::~CMenu() {
    if (m_hMenu) {
        DestroyMenu(m_hMenu);
    }
}

bool CMenu::LoadMenu(UINT id) {
    Attach(::LoadMenuW(AppInstance(), MAKEINTRESOURCEW(id)));
    return m_hMenu != nullptr;
}

void CMenu::Attach(HMENU menu) {
    if (m_hMenu) {
        DestroyMenu(m_hMenu);
    }
    m_hMenu = menu;
}

HMENU CMenu::Detach() {
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

void CMenu::EnableCommand(HMENU menu, UINT id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}
