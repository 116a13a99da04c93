#include "controls/menu_ex.h"

#include <algorithm>
#include <new>

#include "controls/menu_ex_layout.h"
#include "framework/app.h"
#include "framework/dc.h"
#include "framework/gdi.h"
#include "framework/wnd.h"

namespace {

constexpr UINT kSubmenuId = 0xFFFFFFFF;
constexpr COLORREF kSeparatorColor = RGB(197, 194, 184);
constexpr COLORREF kGrayedTextColor = RGB(128, 128, 128);
constexpr wchar_t kTick[] = L"\u221A";

// Rectangles between Win32 and the geometry of the items.
menu_layout::Rect ToLayout(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const menu_layout::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The ODS_* flags of a WM_DRAWITEM as the geometry's item state.
menu_layout::ItemState StateOf(UINT state) {
    return {(state & ODS_SELECTED) != 0, (state & ODS_GRAYED) != 0, (state & ODS_DISABLED) != 0,
            (state & ODS_CHECKED) != 0};
}

// Separators are the records with id 0.
bool IsSeparator(const MENUITEM& item) { return item.nID == 0; }

// The size of the first image of the first list an item has; false when it has none to ask.
bool FirstImageSize(const MENUITEM& item, menu_layout::Size* size) {
    const CImageList* lists[] = {item.pImageList, item.pDisabledImageList, item.pHotImageList};
    const auto first = std::find_if(std::begin(lists), std::end(lists), [](auto* l) { return l != nullptr; });
    IMAGEINFO info{};
    if (first == std::end(lists) || !(*first)->GetImageInfo(0, &info)) return false;
    *size = {info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top};
    return true;
}

}  // namespace

CMenuEx::CMenuEx(CWnd* owner)
    : m_pOwnerWnd(owner), m_clrSelText(GetSysColor(COLOR_MENUTEXT)), m_clrText(GetSysColor(COLOR_MENUTEXT)) {}

CMenuEx::~CMenuEx() { DestroyAll(); }

BOOL CMenuEx::LoadFromResource(UINT id) {
    HMENU source = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
    return source != nullptr && LoadFromMenu(source);
}

BOOL CMenuEx::LoadFromMenu(HMENU source) {
    if (!::IsMenu(source) || source == m_hMenu) return FALSE;
    if (m_hMenu != nullptr) DestroyAll();
    if (!(m_bPopup ? CreatePopupMenu() : CreateMenu())) {
        ::DestroyMenu(source);
        return FALSE;
    }
    const BOOL copied = CopyItems(source);
    ::DestroyMenu(source);
    return copied;
}

BOOL CMenuEx::CopyItems(HMENU source) {
    try {
        int pos = 0;
        while (pos < ::GetMenuItemCount(source)) {
            const UINT id = ::GetMenuItemID(source, pos);
            const UINT state = ::GetMenuState(source, pos, MF_BYPOSITION);
            const std::wstring text = MenuString(source, pos, MF_BYPOSITION);
            const UINT end = static_cast<UINT>(m_items.size());
            BOOL inserted = FALSE;
            if (id == 0) {
                inserted = InsertItem(end, MF_SEPARATOR | MF_BYPOSITION, 0, nullptr);
                ++pos;
            } else if (id == kSubmenuId) {
                // Taken out first, so the original is destroyed once and unattached; the next item
                // moves up to `pos`.
                HMENU sub = ::GetSubMenu(source, pos);
                ::RemoveMenu(source, pos, MF_BYPOSITION);
                inserted = InsertItem(end, (state & 0xFF) | MF_POPUP | MF_BYPOSITION, reinterpret_cast<UINT_PTR>(sub),
                                      text.c_str());
            } else {
                inserted = InsertItem(end, state | MF_BYPOSITION, id, text.c_str());
                ++pos;
            }
            if (!inserted) return FALSE;
        }
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

BOOL CMenuEx::InsertItem(UINT pos, UINT flags, UINT_PTR idOrSubmenu, const wchar_t* text) {
    if ((flags & MF_BYPOSITION) == 0) return FALSE;
    try {
        const std::wstring label = text != nullptr ? text : L"";
        if (flags & MF_SEPARATOR) return InsertSeparator(pos, flags);
        if (flags & MF_POPUP) return InsertSubMenu(pos, flags, reinterpret_cast<HMENU>(idOrSubmenu), label);
        return InsertCommand(pos, flags, static_cast<UINT>(idOrSubmenu), label);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
}

BOOL CMenuEx::InsertSeparator(UINT pos, UINT flags) {
    auto record = std::make_unique<MENUITEM>();
    record->nHeight = m_nSeparatorHeight;
    return Place(pos, flags, 0, MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, std::move(record));
}

BOOL CMenuEx::InsertSubMenu(UINT pos, UINT flags, HMENU source, const std::wstring& text) {
    std::unique_ptr<CMenuEx> sub = CreateSubMenu();
    if (sub == nullptr) {
        ::DestroyMenu(source);
        return FALSE;
    }
    sub->m_bPopup = TRUE;
    if (!sub->LoadFromMenu(source)) return FALSE;
    std::unique_ptr<MENUITEM> record = NewTextItem(text, kSubmenuId, true);
    record->pSubMenu = std::move(sub);
    const UINT_PTR handle = reinterpret_cast<UINT_PTR>(record->pSubMenu->m_hMenu);
    return Place(pos, flags, handle, flags | MF_OWNERDRAW | MF_BYPOSITION | MF_POPUP, std::move(record));
}

BOOL CMenuEx::InsertCommand(UINT pos, UINT flags, UINT id, const std::wstring& text) {
    std::unique_ptr<MENUITEM> record = NewTextItem(text, id, false);
    // The item's own flags go with MF_OWNERDRAW: ModifyMenu sets the state from them, and the
    // checked and grayed marks of the original must survive.
    return Place(pos, flags, id, flags | MF_OWNERDRAW | MF_BYPOSITION, std::move(record));
}

// Inserts the menu item, makes it owner-drawn in a popup, and keeps its record at the same
// position. On failure the item is taken out again and the record (with its submenu) freed.
BOOL CMenuEx::Place(UINT pos, UINT flags, UINT_PTR id, UINT ownerDrawFlags, std::unique_ptr<MENUITEM> record) {
    const wchar_t* text = (flags & MF_SEPARATOR) ? nullptr : record->strText.c_str();
    const int count = GetMenuItemCount();
    if (count < 0) return FALSE;
    pos = std::min(pos, static_cast<UINT>(count));  // past the end appends
    m_items.reserve(m_items.size() + 1);            // so the final insert cannot fail
    if (!InsertMenu(pos, flags, id, text)) return FALSE;
    if (m_bPopup && !ModifyMenu(pos, ownerDrawFlags, id, reinterpret_cast<const wchar_t*>(record.get()))) {
        ::RemoveMenu(m_hMenu, pos, MF_BYPOSITION);
        return FALSE;
    }
    m_items.insert(m_items.begin() + std::min<size_t>(pos, m_items.size()), std::move(record));
    return TRUE;
}

std::unique_ptr<MENUITEM> CMenuEx::NewTextItem(const std::wstring& text, UINT id, bool submenu) const {
    auto record = std::make_unique<MENUITEM>();
    record->strText = text;
    record->nID = id;
    record->nWidth = menu_layout::RecordedWidth(MeasureText(text).cx, submenu);
    record->nHeight = menu_layout::kTextItemHeight;
    record->pImageList = m_pImageList;
    record->pDisabledImageList = m_pDisabledImageList;
    record->pHotImageList = m_pHotImageList;
    record->bPopup = submenu ? TRUE : FALSE;
    return record;
}

// Measures in the owner window's DC, else the main window's, else the screen's.
SIZE CMenuEx::MeasureText(const std::wstring& text) const {
    const CWnd* window = m_pOwnerWnd != nullptr ? m_pOwnerWnd : AfxGetMainWnd();
    ClientDC dc(window != nullptr ? window->m_hWnd : nullptr);
    return CDC(dc.Get()).GetTextExtent(text);
}

std::unique_ptr<CMenuEx> CMenuEx::CreateSubMenu() {
    return std::unique_ptr<CMenuEx>(new (std::nothrow) CMenuEx(m_pOwnerWnd));
}

void CMenuEx::DestroyAll() {
    for (CImageList** list : {&m_pImageList, &m_pDisabledImageList, &m_pHotImageList}) {
        if (*list != nullptr) (*list)->DeleteImageList();
        *list = nullptr;
    }
    for (const auto& item : m_items) {
        if (item->pSubMenu == nullptr) continue;
        DetachSubMenu(item->pSubMenu->m_hMenu);
        item->pSubMenu->DestroyAll();
    }
    m_items.clear();
    DestroyMenu();
}

// Takes the item that opens `sub` out of this menu without destroying `sub`, so that its own
// object destroys it once.
void CMenuEx::DetachSubMenu(HMENU sub) {
    for (int pos = GetMenuItemCount() - 1; pos >= 0; --pos) {
        if (GetSubMenu(pos) == sub) ::RemoveMenu(m_hMenu, pos, MF_BYPOSITION);
    }
}

template <typename Apply>
void CMenuEx::ForEachMenu(const Apply& apply) {
    apply(*this);
    for (const auto& item : m_items) {
        if (item->pSubMenu != nullptr) item->pSubMenu->ForEachMenu(apply);
    }
}

void CMenuEx::SetImageList(CImageList* list) {
    if (list == nullptr) return;
    ForEachMenu([list](CMenuEx& menu) { menu.ApplyImageList(list); });
}

void CMenuEx::ApplyImageList(CImageList* list) {
    m_pImageList = list;
    IMAGEINFO info{};
    if (list->GetImageInfo(0, &info)) {  // an empty list keeps the sizes
        m_nIconWidth = info.rcImage.right - info.rcImage.left;
        m_nIconHeight = info.rcImage.bottom - info.rcImage.top;
    }
    for (const auto& item : m_items) {
        if (!IsSeparator(*item)) item->pImageList = list;
    }
}

void CMenuEx::SetImageIndices(const UINT* ids, int count) {
    if (m_pImageList == nullptr && m_pDisabledImageList == nullptr && m_pHotImageList == nullptr) return;
    for (const auto& item : m_items) {
        if (item->pSubMenu != nullptr) {
            item->pSubMenu->SetImageIndices(ids, count);
        } else if (!IsSeparator(*item)) {
            const int match = menu_layout::LastMatch(item->nID, ids, count);
            if (match >= 0) item->nImageIndex = match;
        }
    }
}

void CMenuEx::SetBackColor(COLORREF color) {
    ForEachMenu([color](CMenuEx& menu) { menu.m_clrBack = color; });
}

void CMenuEx::SetSelFillColor(COLORREF color) {
    ForEachMenu([color](CMenuEx& menu) { menu.m_clrSelFill = color; });
}

void CMenuEx::MeasureMenuItem(MEASUREITEMSTRUCT* measure) {
    if (measure == nullptr || measure->CtlType != ODT_MENU || measure->itemData == 0) return;
    const MENUITEM& item = *reinterpret_cast<const MENUITEM*>(measure->itemData);
    menu_layout::Size image{};
    const bool hasImage = FirstImageSize(item, &image);
    const menu_layout::Size size =
        menu_layout::MeasuredSize(item.nWidth, item.nHeight, IsSeparator(item), hasImage ? &image : nullptr);
    measure->itemWidth = static_cast<UINT>(std::max(size.cx, 0));
    measure->itemHeight = static_cast<UINT>(std::max(size.cy, 0));
}

void CMenuEx::DrawItem(DRAWITEMSTRUCT* draw) {
    if (draw == nullptr || draw->CtlType != ODT_MENU) return;
    const MENUITEM* item = FindItem(draw->itemData);
    if (item == nullptr) return;
    SavedDCState saved(draw->hDC);
    CDC dc(draw->hDC);
    DrawBackground(&dc, draw->rcItem);
    DrawSelection(&dc, draw->rcItem, *item, draw->itemState);
    DrawItemText(&dc, draw->rcItem, *item, draw->itemState);
    DrawIcon(&dc, draw->rcItem, *item, draw->itemState);
}

// The record behind an item's data, when it is one of this menu's.
const MENUITEM* CMenuEx::FindItem(ULONG_PTR data) const {
    const auto found = std::find_if(m_items.begin(), m_items.end(), [data](const auto& item) {
        return reinterpret_cast<ULONG_PTR>(item.get()) == data;
    });
    return found != m_items.end() ? found->get() : nullptr;
}

void CMenuEx::DrawBackground(CDC* dc, const RECT& rect) {
    dc->FillSolidRect(rect, m_clrBack);
    dc->FillSolidRect(ToRect(menu_layout::IconColumn(ToLayout(rect), m_nIconWidth)), m_clrIconBack);
}

void CMenuEx::DrawSelection(CDC* dc, const RECT& rect, const MENUITEM& item, UINT state) {
    if (menu_layout::ShowsSelection(IsSeparator(item), StateOf(state))) DrawFramedBox(dc, rect);
}

// A rectangle with the selection's border and fill.
void CMenuEx::DrawFramedBox(CDC* dc, const RECT& box) const {
    UniquePen pen(::CreatePen(PS_SOLID, 1, m_clrSelBorder));
    CBrush brush(m_clrSelFill);
    SelectGuard penGuard(dc->m_hDC, pen.Get());
    SelectGuard brushGuard(dc->m_hDC, brush.Get());
    ::Rectangle(dc->m_hDC, box.left, box.top, box.right, box.bottom);
}

void CMenuEx::DrawItemText(CDC* dc, const RECT& rect, const MENUITEM& item, UINT state) {
    dc->SetBkMode(TRANSPARENT);
    if (IsSeparator(item)) {
        dc->FillSolidRect(ToRect(menu_layout::SeparatorLine(ToLayout(rect), m_nIconWidth)), kSeparatorColor);
    } else {
        const SIZE extent = dc->GetTextExtent(item.strText);
        RECT box = ToRect(menu_layout::TextBox(ToLayout(rect), m_nIconWidth, extent.cy));
        dc->SetTextColor(TextColorFor(state));
        dc->DrawText(item.strText, &box, DT_EXPANDTABS | DT_VCENTER);
    }
    dc->SetBkMode(OPAQUE);
}

COLORREF CMenuEx::TextColorFor(UINT state) const {
    switch (menu_layout::PickTextColor(StateOf(state))) {
        case menu_layout::TextColor::Grayed: return kGrayedTextColor;
        case menu_layout::TextColor::Selected: return m_clrSelText;
        default: return m_clrText;
    }
}

void CMenuEx::DrawIcon(CDC* dc, const RECT& rect, const MENUITEM& item, UINT state) {
    const RECT box = ToRect(menu_layout::IconBox(ToLayout(rect), m_nIconWidth, m_nIconHeight));
    if (state & ODS_CHECKED) {
        DrawCheck(dc, box, state);
        return;
    }
    if (item.nImageIndex == -1) return;
    CImageList* list = nullptr;
    switch (menu_layout::PickImageList(item.pImageList != nullptr, item.pDisabledImageList != nullptr,
                                       item.pHotImageList != nullptr, StateOf(state))) {
        case menu_layout::ImageSource::Normal: list = item.pImageList; break;
        case menu_layout::ImageSource::Disabled: list = item.pDisabledImageList; break;
        case menu_layout::ImageSource::Hot: list = item.pHotImageList; break;
        case menu_layout::ImageSource::None: return;
    }
    list->Draw(dc->m_hDC, item.nImageIndex, POINT{box.left, box.top}, ILD_TRANSPARENT);
}

// The check box with its tick, embossed for a grayed item.
void CMenuEx::DrawCheck(CDC* dc, const RECT& box, UINT state) const {
    DrawFramedBox(dc, box);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc->m_hDC, kTick, 1, &extent);
    const menu_layout::Point at = menu_layout::TickOrigin(ToLayout(box), {extent.cx, extent.cy});
    RECT rest{at.x, at.y, box.right, box.bottom};
    dc->SetBkMode(TRANSPARENT);
    if (state & ODS_GRAYED) {
        ::DrawStateW(dc->m_hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(kTick), 1, at.x, at.y, rest.right - at.x,
                     rest.bottom - at.y, DST_PREFIXTEXT | DSS_DISABLED);
    } else {
        dc->SetTextColor(TextColorFor(state));
        ::DrawTextW(dc->m_hDC, kTick, 1, &rest, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
    }
    dc->SetBkMode(OPAQUE);
}
