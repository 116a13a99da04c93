#include "controls/menu_ex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app.h"
#include "menu_test_util.h"
#include "test_menu.h"

namespace {

constexpr UINT kSubmenu = 0xFFFFFFFF;

// What the menu itself holds for item `pos`.
MENUITEMINFOW ItemInfo(HMENU menu, int pos) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU | MIIM_STATE | MIIM_ID;
    GetMenuItemInfoW(menu, pos, TRUE, &info);
    return info;
}

// Whether item `pos` of `menu` is owner-drawn.
bool OwnerDrawn(HMENU menu, int pos) { return (ItemInfo(menu, pos).fType & MFT_OWNERDRAW) != 0; }

// Every item of `menu` is owner-drawn with its record as item data, in the same order.
void ExpectOwnerDrawnItems(const CMenuEx& menu) {
    ASSERT_EQ(menu.GetMenuItemCount(), static_cast<int>(menu.m_items.size()));
    for (int pos = 0; pos < menu.GetMenuItemCount(); ++pos) {
        const MENUITEMINFOW info = ItemInfo(menu.m_hMenu, pos);
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << pos;
        EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(menu.m_items[pos].get())) << pos;
    }
}

// The ids of the records of `menu`, in order.
std::vector<UINT> Ids(const CMenuEx& menu) {
    std::vector<UINT> ids;
    for (const auto& item : menu.m_items) ids.push_back(item->nID);
    return ids;
}

// The submenu object of item `pos`.
CMenuEx& Sub(const CMenuEx& menu, size_t pos) { return *menu.m_items.at(pos)->pSubMenu; }

// A menu loaded from the test resource, measuring in its own owner window. The image lists
// outlive the menu, which deletes their handles when it goes.
class MenuExTest : public testing::Test {
protected:
    OwnerWindow owner;
    CImageList list20, list16x24, hot;
    CMenuEx bar{&owner.Wnd()};

    void SetUp() override { ASSERT_TRUE(bar.LoadFromResource(IDR_TEST_MENU)); }

    CMenuEx& File() { return Sub(bar, 0); }
    CMenuEx& Recent() { return Sub(File(), 2); }
    CMenuEx& Help() { return Sub(bar, 1); }
};

TEST_F(MenuExTest, BarStaysOrdinaryAndPopupItemsAreOwnerDrawn) {
    EXPECT_FALSE(bar.m_bPopup);
    ASSERT_EQ(bar.GetMenuItemCount(), 2);
    for (int pos = 0; pos < 2; ++pos) {
        EXPECT_FALSE(OwnerDrawn(bar.m_hMenu, pos)) << pos;
        EXPECT_EQ(bar.GetSubMenu(pos), Sub(bar, pos).m_hMenu);
        EXPECT_EQ(CMenu::FromHandlePermanent(bar.GetSubMenu(pos)), &Sub(bar, pos));
    }
    EXPECT_EQ(bar.m_items[0]->strText, L"&File");
    for (CMenuEx* popup : {&File(), &Recent(), &Help()}) {
        EXPECT_TRUE(popup->m_bPopup);
        ExpectOwnerDrawnItems(*popup);
    }
    EXPECT_EQ(Ids(File()), (std::vector<UINT>{ID_TEST_OPEN, 0, kSubmenu, ID_TEST_EXIT}));
    EXPECT_EQ(Ids(Recent()), (std::vector<UINT>{ID_TEST_FIRST, ID_TEST_SECOND}));
    EXPECT_EQ(Ids(Help()), (std::vector<UINT>{ID_TEST_ABOUT, ID_TEST_UPDATE, ID_TEST_HELP}));
    EXPECT_EQ(File().GetSubMenu(2), Recent().m_hMenu);
}

TEST_F(MenuExTest, RecordsHoldTextSizesAndNoPicture) {
    const MENUITEM& open = *File().m_items[0];
    EXPECT_EQ(open.strText, L"&Open\tCtrl+O");  // measured and kept as written
    EXPECT_EQ(open.nWidth, owner.Extent(L"&Open\tCtrl+O").cx + 10);
    EXPECT_EQ(open.nHeight, 2);
    EXPECT_FALSE(open.bPopup);
    const MENUITEM& separator = *File().m_items[1];
    EXPECT_EQ(separator.strText, L"");
    EXPECT_EQ(separator.nWidth, 0);
    EXPECT_EQ(separator.nHeight, 10);
    EXPECT_EQ(separator.pSubMenu, nullptr);
    const MENUITEM& recent = *File().m_items[2];
    EXPECT_EQ(recent.nWidth, owner.Extent(L"&Recent").cx + 25);
    EXPECT_EQ(recent.nHeight, 2);
    EXPECT_TRUE(recent.bPopup);
    for (const CMenuEx* menu : {&bar, &File(), &Recent(), &Help()}) {
        for (const auto& item : menu->m_items) {
            EXPECT_EQ(item->nImageIndex, -1);
            EXPECT_EQ(item->pImageList, nullptr);
        }
    }
}

TEST_F(MenuExTest, CheckedAndGrayedMarksSurviveTheConversion) {
    EXPECT_TRUE(Help().GetMenuState(0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(Help().GetMenuState(1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(Help().GetMenuState(2, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED));
}

TEST_F(MenuExTest, LoadingAgainReplacesTheTree) {
    const std::vector<HMENU> old = {bar.m_hMenu, File().m_hMenu, Recent().m_hMenu, Help().m_hMenu};
    ASSERT_TRUE(bar.LoadFromResource(IDR_TEST_MAIN_MENU));
    for (HMENU menu : old) EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(Ids(File()), (std::vector<UINT>{ID_TEST_EXIT}));
    EXPECT_EQ(Ids(Help()), (std::vector<UINT>{ID_TEST_ABOUT, ID_TEST_UPDATE, ID_TEST_HELP}));
    ExpectOwnerDrawnItems(Help());
}

TEST_F(MenuExTest, AMissingSourceKeepsTheTree) {
    HMENU before = bar.m_hMenu;
    EXPECT_FALSE(bar.LoadFromResource(999));
    EXPECT_FALSE(bar.LoadFromMenu(nullptr));
    EXPECT_FALSE(bar.LoadFromMenu(bar.m_hMenu));
    EXPECT_EQ(bar.m_hMenu, before);
    EXPECT_TRUE(IsMenu(before));
    EXPECT_EQ(bar.m_items.size(), 2u);
}

// A bar with two popups, the first holding a nested popup, and a command after them.
struct SourceMenu {
    HMENU bar = CreateMenu();
    HMENU first = CreatePopupMenu();
    HMENU nested = CreatePopupMenu();
    HMENU second = CreatePopupMenu();

    SourceMenu() {
        AppendMenuW(nested, MF_STRING, 11, L"Deep");
        AppendMenuW(first, MF_STRING, 1, L"One");
        AppendMenuW(first, MF_POPUP, reinterpret_cast<UINT_PTR>(nested), L"Nested");
        AppendMenuW(first, MF_STRING, 2, L"Two");
        AppendMenuW(second, MF_STRING, 3, L"Three");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(first), L"First");
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(second), L"Second");
        AppendMenuW(bar, MF_STRING, 9, L"Quit");
    }
};

TEST(MenuExLoad, FromMenuConvertsEverySubmenuAndDestroysTheSource) {
    OwnerWindow owner;
    SourceMenu source;
    CMenuEx bar(&owner.Wnd());
    ASSERT_TRUE(bar.LoadFromMenu(source.bar));
    for (HMENU menu : {source.bar, source.first, source.nested, source.second}) EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(Ids(bar), (std::vector<UINT>{kSubmenu, kSubmenu, 9}));
    EXPECT_EQ(bar.m_items[1]->strText, L"Second");
    EXPECT_EQ(Ids(Sub(bar, 0)), (std::vector<UINT>{1, kSubmenu, 2}));
    EXPECT_EQ(Ids(Sub(Sub(bar, 0), 1)), (std::vector<UINT>{11}));
    EXPECT_EQ(Ids(Sub(bar, 1)), (std::vector<UINT>{3}));
    EXPECT_EQ(bar.GetMenuItemID(2), 9u);
}

TEST(MenuExLoad, APopupMenuIsBuiltAsAPopup) {
    SourceMenu source;
    CMenuEx popup;
    popup.m_bPopup = TRUE;
    ASSERT_TRUE(popup.LoadFromMenu(source.first));
    ExpectOwnerDrawnItems(popup);
    EXPECT_EQ(Ids(popup), (std::vector<UINT>{1, kSubmenu, 2}));
    EXPECT_FALSE(IsMenu(source.nested));
    EXPECT_TRUE(IsMenu(source.bar));  // only the given menu was consumed
    EXPECT_EQ(GetMenuItemCount(source.bar), 3);
    DestroyMenu(source.bar);
}

TEST(MenuExInsert, PositionsAndFlags) {
    CMenuEx popup;
    popup.m_bPopup = TRUE;
    ASSERT_TRUE(popup.CreatePopupMenu());
    EXPECT_FALSE(popup.InsertItem(0, MF_STRING, 5, L"by command"));
    EXPECT_EQ(popup.GetMenuItemCount(), 0);
    EXPECT_TRUE(popup.InsertItem(100, MF_STRING | MF_BYPOSITION, 5, L"a"));  // past the end appends
    EXPECT_TRUE(popup.InsertItem(0, MF_STRING | MF_BYPOSITION, 6, L"b"));
    EXPECT_TRUE(popup.InsertItem(1, MF_SEPARATOR | MF_BYPOSITION, 0, nullptr));
    EXPECT_TRUE(popup.InsertItem(3, MF_STRING | MF_BYPOSITION, 7, nullptr));
    EXPECT_EQ(Ids(popup), (std::vector<UINT>{6, 0, 5, 7}));
    ExpectOwnerDrawnItems(popup);
    EXPECT_EQ(popup.m_items[3]->strText, L"");
}

TEST(MenuExInsert, FailsWithoutAMenu) {
    CMenuEx empty;
    EXPECT_FALSE(empty.InsertItem(0, MF_STRING | MF_BYPOSITION, 5, L"a"));
    HMENU sub = CreatePopupMenu();
    EXPECT_FALSE(empty.InsertItem(0, MF_POPUP | MF_BYPOSITION, reinterpret_cast<UINT_PTR>(sub), L"s"));
    EXPECT_FALSE(IsMenu(sub));  // the submenu was handed over, and freed
    EXPECT_TRUE(empty.m_items.empty());
}

// Which device context measures: the owner window's, else the main window's, else the screen's.
TEST(MenuExMeasure, TextsAreMeasuredInTheOwnerElseTheMainWindow) {
    OwnerWindow window;
    const std::wstring text = L"Measure me";
    ASSERT_NE(window.Extent(text).cx, ScreenExtent(text).cx);  // the fixture tells them apart
    const auto widthWith = [&](CWnd* owner) {
        CMenuEx menu(owner);
        return menu.CreateMenu() && menu.InsertItem(0, MF_STRING | MF_BYPOSITION, 1, text.c_str())
                   ? menu.m_items[0]->nWidth
                   : -1;
    };
    EXPECT_EQ(widthWith(&window.Wnd()), window.Extent(text).cx + 10);
    EXPECT_EQ(widthWith(nullptr), ScreenExtent(text).cx + 10);
    CWinApp app(L"menu test");
    app.m_pMainWnd = &window.Wnd();
    EXPECT_EQ(widthWith(nullptr), window.Extent(text).cx + 10);
}

// The size MeasureMenuItem answers for `item`; 1 x 1 when it leaves the answer alone.
SIZE Measured(const MENUITEM* item, UINT type = ODT_MENU) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = type;
    measure.itemWidth = 1;
    measure.itemHeight = 1;
    measure.itemData = reinterpret_cast<ULONG_PTR>(item);
    CMenuEx::MeasureMenuItem(&measure);
    return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
}

TEST_F(MenuExTest, MeasuresWithTheSizeOfTheFirstPicture) {
    MakeOnePictureList(list20, 20, 20, RGB(255, 0, 0));
    MakeOnePictureList(list16x24, 16, 24, RGB(255, 0, 0));
    const MENUITEM& open = *File().m_items[0];
    const MENUITEM& separator = *File().m_items[1];
    const MENUITEM& recent = *File().m_items[2];
    const int openText = owner.Extent(L"&Open\tCtrl+O").cx;
    const int recentText = owner.Extent(L"&Recent").cx;

    EXPECT_EQ(Measured(&open).cx, openText + 30);  // no list: 20 by 20
    EXPECT_EQ(Measured(&open).cy, 22);
    bar.SetImageList(&list20);
    EXPECT_EQ(Measured(&open).cx, openText + 30);
    EXPECT_EQ(Measured(&open).cy, 22);
    EXPECT_EQ(Measured(&recent).cx, recentText + 45);
    EXPECT_EQ(Measured(&recent).cy, 22);
    EXPECT_EQ(Measured(&separator).cx, 0);
    EXPECT_EQ(Measured(&separator).cy, 10);
    bar.SetImageList(&list16x24);
    EXPECT_EQ(Measured(&open).cx, openText + 26);
    EXPECT_EQ(Measured(&open).cy, 26);
}

TEST_F(MenuExTest, MeasuringTakesTheFirstListPresent) {
    MakeOnePictureList(list20, 20, 20, RGB(255, 0, 0));
    MakeOnePictureList(list16x24, 16, 24, RGB(255, 0, 0));
    MENUITEM& open = *File().m_items[0];
    const int base = open.nWidth;
    open.pHotImageList = &list16x24;
    EXPECT_EQ(Measured(&open).cx, base + 16);
    open.pDisabledImageList = &list20;  // before the hot list
    EXPECT_EQ(Measured(&open).cx, base + 20);
    open.pImageList = &list16x24;  // before both
    EXPECT_EQ(Measured(&open).cx, base + 16);
}

TEST(MenuExMeasure, IgnoresOtherControlsAndMissingItems) {
    MENUITEM item;
    item.nID = 1;
    item.nWidth = 40;
    item.nHeight = 2;
    EXPECT_EQ(Measured(&item, ODT_BUTTON).cx, 1);
    EXPECT_EQ(Measured(nullptr).cx, 1);
    EXPECT_EQ(Measured(nullptr).cy, 1);
    CMenuEx::MeasureMenuItem(nullptr);
}

// Every menu of the tree, the bar first.
std::vector<CMenuEx*> AllMenus(CMenuEx& bar) {
    std::vector<CMenuEx*> menus{&bar};
    for (size_t i = 0; i < menus.size(); ++i) {
        for (const auto& item : menus[i]->m_items) {
            if (item->pSubMenu != nullptr) menus.push_back(item->pSubMenu.get());
        }
    }
    return menus;
}

TEST_F(MenuExTest, ImageListReachesEveryMenuAndItem) {
    MakeOnePictureList(list16x24, 16, 24, RGB(255, 0, 0));
    bar.SetImageList(nullptr);
    EXPECT_EQ(bar.m_pImageList, nullptr);
    bar.SetImageList(&list16x24);
    for (CMenuEx* menu : AllMenus(bar)) {
        EXPECT_EQ(menu->m_pImageList, &list16x24);
        EXPECT_EQ(menu->m_nIconWidth, 16);
        EXPECT_EQ(menu->m_nIconHeight, 24);
        for (const auto& item : menu->m_items) EXPECT_EQ(item->pImageList, item->nID != 0 ? &list16x24 : nullptr);
    }
}

TEST_F(MenuExTest, AListWithoutPicturesKeepsTheIconSize) {
    list16x24.Create(16, 24, ILC_COLOR24, 1, 1);  // no picture yet
    bar.SetImageList(&list16x24);
    EXPECT_EQ(Recent().m_pImageList, &list16x24);
    EXPECT_EQ(Recent().m_nIconWidth, 20);
    EXPECT_EQ(Recent().m_nIconHeight, 20);
}

TEST_F(MenuExTest, ImageIndicesTakeTheLastMatchAndReachSubmenus) {
    MakeOnePictureList(list20, 20, 20, RGB(255, 0, 0));
    bar.SetImageList(&list20);
    const UINT ids[] = {ID_TEST_HELP, ID_TEST_OPEN, ID_TEST_ABOUT, ID_TEST_HELP, ID_TEST_FIRST};
    bar.SetImageIndices(ids, 5);
    EXPECT_EQ(File().m_items[0]->nImageIndex, 1);   // Open
    EXPECT_EQ(File().m_items[1]->nImageIndex, -1);  // separator
    EXPECT_EQ(File().m_items[2]->nImageIndex, -1);  // the submenu item itself
    EXPECT_EQ(File().m_items[3]->nImageIndex, -1);  // Exit is not listed
    EXPECT_EQ(Recent().m_items[0]->nImageIndex, 4);
    EXPECT_EQ(Recent().m_items[1]->nImageIndex, -1);
    EXPECT_EQ(Help().m_items[0]->nImageIndex, 2);
    EXPECT_EQ(Help().m_items[2]->nImageIndex, 3);  // listed twice: the later position

    const UINT again[] = {ID_TEST_OPEN};
    bar.SetImageIndices(again, 1);
    EXPECT_EQ(File().m_items[0]->nImageIndex, 0);
    EXPECT_EQ(Help().m_items[2]->nImageIndex, 3);  // unmatched items keep theirs
}

TEST_F(MenuExTest, ImageIndicesNeedAList) {
    const UINT ids[] = {ID_TEST_OPEN, ID_TEST_FIRST, ID_TEST_HELP};
    bar.SetImageIndices(ids, 3);
    for (CMenuEx* menu : AllMenus(bar)) {
        for (const auto& item : menu->m_items) EXPECT_EQ(item->nImageIndex, -1);
    }
}

TEST_F(MenuExTest, ColoursReachEveryMenu) {
    bar.SetBackColor(RGB(1, 2, 3));
    bar.SetSelFillColor(RGB(4, 5, 6));
    for (CMenuEx* menu : AllMenus(bar)) {
        EXPECT_EQ(menu->m_clrBack, RGB(1, 2, 3));
        EXPECT_EQ(menu->m_clrSelFill, RGB(4, 5, 6));
    }
}

TEST_F(MenuExTest, DestroyAllFreesEverythingAndMayRunAgain) {
    MakeOnePictureList(list20, 20, 20, RGB(255, 0, 0));
    MakeOnePictureList(hot, 20, 20, RGB(0, 255, 0));
    bar.SetImageList(&list20);
    Help().m_pHotImageList = &hot;
    std::vector<HMENU> handles;
    for (CMenuEx* menu : AllMenus(bar)) handles.push_back(menu->m_hMenu);

    bar.DestroyAll();
    EXPECT_EQ(list20.m_hImageList, nullptr);
    EXPECT_EQ(hot.m_hImageList, nullptr);
    EXPECT_EQ(bar.m_pImageList, nullptr);
    EXPECT_EQ(bar.m_hMenu, nullptr);
    EXPECT_TRUE(bar.m_items.empty());
    for (HMENU menu : handles) EXPECT_FALSE(IsMenu(menu));
    bar.DestroyAll();
    EXPECT_EQ(bar.m_hMenu, nullptr);
}

TEST(MenuExDestroy, DestructionFreesTheLists) {
    CImageList list;
    MakeOnePictureList(list, 20, 20, RGB(255, 0, 0));
    HMENU handle = nullptr;
    {
        CMenuEx bar;
        ASSERT_TRUE(bar.LoadFromResource(IDR_TEST_MAIN_MENU));
        bar.SetImageList(&list);
        handle = bar.m_hMenu;
    }
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_EQ(list.m_hImageList, nullptr);
}

}  // namespace
