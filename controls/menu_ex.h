// An owner-drawn menu: an ordinary menu rebuilt as a tree of CMenuEx objects, one per menu and
// submenu, whose popup items paint themselves (coloured background, a lighter icon column, the
// text, a check box or a picture, a selection rectangle, a thin separator line). A menu bar stays
// an ordinary menu; only the items inside popups are owner-drawn.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/menu.h"

class CDC;
class CWnd;
class CMenuEx;

// One item of a CMenuEx. Its address is the item data of the owner-drawn menu item.
struct MENUITEM {
    std::wstring strText;              // as inserted, with its & and tab characters
    UINT nID = 0;                      // 0: separator; 0xFFFFFFFF: submenu
    int nWidth = 0;                    // text width plus room after it; 0 for a separator
    int nHeight = 0;                   // 2 for text items (the picture's height is added); the separator's height
    CImageList* pImageList = nullptr;  // borrowed: the menu's lists when the item was made
    CImageList* pDisabledImageList = nullptr;
    CImageList* pHotImageList = nullptr;
    int nImageIndex = -1;  // -1: no picture
    BOOL bPopup = FALSE;
    std::unique_ptr<CMenuEx> pSubMenu;  // the submenu's object, for a submenu item
};

class CMenuEx : public CMenu {
public:
    // `owner` measures the texts; null: the application's main window when an item is inserted.
    explicit CMenuEx(CWnd* owner = nullptr);
    ~CMenuEx() override;

    // Rebuilds this menu from the menu resource `id` of the program. FALSE when there is no such
    // resource (the current tree stays) or an item could not be made.
    BOOL LoadFromResource(UINT id);
    // Rebuilds this menu from `source` and destroys `source` with its submenus.
    BOOL LoadFromMenu(HMENU source);
    // Appends every item of `source`. Its submenus are taken out of `source` and converted; the
    // handles of the originals are destroyed.
    BOOL CopyItems(HMENU source);
    // Inserts one item at position `pos` (MF_BYPOSITION is required). With MF_POPUP `idOrSubmenu`
    // is a submenu handle that is converted and then destroyed; the item shows the converted copy.
    BOOL InsertItem(UINT pos, UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text);

    // These configure this menu and every submenu.
    // Pictures of every item come from `list`, sized by its first image. Null changes nothing.
    void SetImageList(CImageList* list);
    // Item `ids[i]` shows picture i; an id listed twice takes its last position. Only for menus
    // that have an image list; items not listed keep their picture.
    void SetImageIndices(const UINT* ids, int count);
    void SetBackColor(COLORREF color);
    void SetSelFillColor(COLORREF color);

    // Answers WM_MEASUREITEM for an item of any CMenuEx.
    static void MeasureMenuItem(MEASUREITEMSTRUCT* measure);
    // Paints one whole item; reached through the owner window's WM_DRAWITEM.
    void DrawItem(DRAWITEMSTRUCT* draw) override;
    // Deletes the image lists' handles, the items and the submenu objects, and destroys the menu.
    virtual void DestroyAll();

    CWnd* m_pOwnerWnd;  // borrowed
    BOOL m_bPopup = FALSE;
    int m_nSeparatorHeight = 10;
    COLORREF m_clrBack = RGB(140, 190, 235);
    COLORREF m_clrSelText;
    COLORREF m_clrText;
    COLORREF m_clrIconBack = RGB(236, 233, 216);
    COLORREF m_clrSelBorder = RGB(49, 106, 197);
    COLORREF m_clrSelFill = RGB(200, 220, 253);
    int m_nIconWidth = 20;  // the icon column is two pixels wider
    int m_nIconHeight = 20;
    // Borrowed, but DestroyAll deletes their handles: they must outlive the menu or its DestroyAll.
    CImageList* m_pImageList = nullptr;
    CImageList* m_pDisabledImageList = nullptr;
    CImageList* m_pHotImageList = nullptr;
    std::vector<std::unique_ptr<MENUITEM>> m_items;  // in menu order

protected:
    // The parts of an item, painted in this order.
    virtual void DrawBackground(CDC* dc, const RECT& rect);
    virtual void DrawSelection(CDC* dc, const RECT& rect, const MENUITEM& item, UINT state);
    virtual void DrawItemText(CDC* dc, const RECT& rect, const MENUITEM& item, UINT state);
    virtual void DrawIcon(CDC* dc, const RECT& rect, const MENUITEM& item, UINT state);
    // A new, empty submenu object with the same owner window; null when it cannot be allocated.
    virtual std::unique_ptr<CMenuEx> CreateSubMenu();

private:
    // The three kinds of item InsertItem makes.
    BOOL InsertSeparator(UINT pos, UINT flags);
    BOOL InsertSubMenu(UINT pos, UINT flags, HMENU source, const std::wstring& text);
    BOOL InsertCommand(UINT pos, UINT flags, UINT id, const std::wstring& text);
    BOOL Place(UINT pos, UINT flags, UINT_PTR id, UINT ownerDrawFlags, std::unique_ptr<MENUITEM> record);
    // The record of a command or submenu item: its text measured, this menu's image lists.
    std::unique_ptr<MENUITEM> NewTextItem(const std::wstring& text, UINT id, bool submenu) const;
    SIZE MeasureText(const std::wstring& text) const;
    void DetachSubMenu(HMENU sub);
    const MENUITEM* FindItem(ULONG_PTR data) const;
    // SetImageList for this menu alone.
    void ApplyImageList(CImageList* list);
    void DrawFramedBox(CDC* dc, const RECT& box) const;
    void DrawCheck(CDC* dc, const RECT& box, UINT state) const;
    // The text or tick colour for an item's ODS_* state.
    COLORREF TextColorFor(UINT state) const;
    // Calls `apply` with this menu and then with every submenu, depth first.
    template <typename Apply>
    void ForEachMenu(const Apply& apply);
};
