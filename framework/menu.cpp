#include "framework/menu.h"

namespace {

void SetMenuObject(HMENU menu, CMenu* object) {
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(object);
    SetMenuInfo(menu, &info);
}

}  // namespace

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandlePermanent(HMENU menu) {
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    if (menu == nullptr || !GetMenuInfo(menu, &info)) return nullptr;
    return reinterpret_cast<CMenu*>(info.dwMenuData);
}

BOOL CMenu::Attach(HMENU menu) {
    if (menu == nullptr || m_hMenu != nullptr) return FALSE;
    m_hMenu = menu;
    SetMenuObject(menu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU menu = m_hMenu;
    if (menu != nullptr && FromHandlePermanent(menu) == this) SetMenuObject(menu, nullptr);
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) return FALSE;
    return ::DestroyMenu(Detach());
}

std::wstring MenuString(HMENU menu, UINT item, UINT flags) {
    const int length = ::GetMenuStringW(menu, item, nullptr, 0, flags);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetMenuStringW(menu, item, text.data(), length + 1, flags);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList() {
    if (m_hImageList == nullptr) return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}
