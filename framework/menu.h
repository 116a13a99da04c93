// Menus and image lists, each owned by its object.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

// The text of an item of `menu`, by position or by command as `flags` says.
std::wstring MenuString(HMENU menu, UINT item, UINT flags);

// A menu. The object's address travels in the menu's own data, so a WM_DRAWITEM for an
// owner-drawn item finds the object that owns the item's menu.
class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    // The object attached to `menu`, or null.
    static CMenu* FromHandlePermanent(HMENU menu);

    BOOL Attach(HMENU menu);
    HMENU Detach();
    BOOL CreateMenu() { return Attach(::CreateMenu()); }
    BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
    BOOL LoadMenu(UINT id) { return Attach(::LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id))); }
    // Destroys the menu, its submenus with it, and detaches it.
    BOOL DestroyMenu();

    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int pos) const { return ::GetMenuItemID(m_hMenu, pos); }
    UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
    std::wstring GetMenuString(UINT item, UINT flags) const { return MenuString(m_hMenu, item, flags); }
    HMENU GetSubMenu(int pos) const { return ::GetSubMenu(m_hMenu, pos); }
    BOOL InsertMenu(UINT pos, UINT flags, UINT_PTR id, const wchar_t* text) {
        return ::InsertMenuW(m_hMenu, pos, flags, id, text);
    }
    BOOL ModifyMenu(UINT pos, UINT flags, UINT_PTR id, const wchar_t* text) {
        return ::ModifyMenuW(m_hMenu, pos, flags, id, text);
    }

    // Paints one owner-drawn item of this menu.
    virtual void DrawItem(DRAWITEMSTRUCT* item) { (void)item; }
    // Sizes one owner-drawn item of this menu.
    virtual void MeasureItem(MEASUREITEMSTRUCT* item) { (void)item; }
};

// An image list. DeleteImageList may be called by whoever it was lent to; a second call does nothing.
class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    // Adds the images of `bitmap` (and its mask, may be null); the index of the first, or -1.
    int Add(HBITMAP bitmap, HBITMAP mask) { return ImageList_Add(m_hImageList, bitmap, mask); }
    BOOL GetImageInfo(int index, IMAGEINFO* info) const { return ImageList_GetImageInfo(m_hImageList, index, info); }
    BOOL Draw(HDC dc, int index, POINT pt, UINT style) {
        return ImageList_Draw(m_hImageList, index, dc, pt.x, pt.y, style);
    }
};
