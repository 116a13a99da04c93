#include <gtest/gtest.h>

#include "controls/menu_ex.h"
#include "menu_test_util.h"
#include "test_menu.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);
constexpr COLORREF kBack = RGB(140, 190, 235);
constexpr COLORREF kIconBack = RGB(236, 233, 216);
constexpr COLORREF kBorder = RGB(49, 106, 197);
constexpr COLORREF kFill = RGB(200, 220, 253);
constexpr COLORREF kLine = RGB(197, 194, 184);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kText = RGB(10, 20, 30);
constexpr COLORREF kSelText = RGB(200, 0, 0);
constexpr COLORREF kPicture = RGB(250, 20, 200);
constexpr COLORREF kDisabledPicture = RGB(20, 250, 20);
constexpr COLORREF kHotPicture = RGB(250, 160, 0);

// Items are drawn away from the canvas' corner, so a part placed without the item's offset shows.
constexpr RECT kItem = {10, 5, 160, 27};
constexpr RECT kSeparator = {10, 5, 160, 15};
constexpr RECT kBox = {11, 6, 31, 26};  // the check box or picture: 20 x 20, one pixel in
constexpr RECT kTextArea = {40, 5, 160, 27};

// A WM_DRAWITEM of a menu item, as the menu loop sends it.
DRAWITEMSTRUCT DrawInfo(const CMenuEx& menu, const MENUITEM* item, UINT state, const RECT& rect, HDC dc) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item != nullptr ? item->nID : 0;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
    draw.hDC = dc;
    draw.rcItem = rect;
    draw.itemData = reinterpret_cast<ULONG_PTR>(item);
    return draw;
}

// The test menu with recognisable text colours, drawn into a canvas. The image lists outlive the
// menu, which deletes their handles when it goes.
class MenuExDrawTest : public testing::Test {
protected:
    OwnerWindow owner;
    CImageList normal, disabled, hot;
    CMenuEx bar{&owner.Wnd()};
    Canvas canvas{180, 40, kUntouched};

    void SetUp() override {
        ASSERT_TRUE(bar.LoadFromResource(IDR_TEST_MENU));
        for (CMenuEx* menu : {&File(), &Help()}) {
            menu->m_clrText = kText;
            menu->m_clrSelText = kSelText;
        }
    }

    CMenuEx& File() { return *bar.m_items[0]->pSubMenu; }
    CMenuEx& Help() { return *bar.m_items[1]->pSubMenu; }
    MENUITEM& Open() { return *File().m_items[0]; }

    // Paints `item` of `menu` into the canvas.
    void Draw(CMenuEx& menu, const MENUITEM& item, UINT state, const RECT& rect = kItem) {
        DRAWITEMSTRUCT draw = DrawInfo(menu, &item, state, rect, canvas.Dc());
        menu.DrawItem(&draw);
    }
};

TEST_F(MenuExDrawTest, SeparatorIsAThinLineRightOfTheIconColumn) {
    const MENUITEM& separator = *File().m_items[1];
    for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
        Draw(File(), separator, state, kSeparator);
        const int y = kSeparator.top + 4;
        EXPECT_EQ(canvas.Count({40, y, 160, y + 1}, kLine), 120);
        EXPECT_EQ(canvas.Count(kSeparator, kLine), 120);  // nothing of it elsewhere, before x = 40 included
        EXPECT_EQ(canvas.At(39, y), kBack);
        EXPECT_EQ(canvas.Count({10, 5, 32, 15}, kIconBack), 22 * 10);
        EXPECT_EQ(canvas.At(32, 6), kBack);
        EXPECT_EQ(canvas.Count(kSeparator, kBorder), 0) << "a separator is never selected";
        EXPECT_EQ(canvas.At(9, 5), kUntouched);
        EXPECT_EQ(canvas.At(160, 14), kUntouched);
        EXPECT_EQ(canvas.At(10, 4), kUntouched);
        EXPECT_EQ(canvas.At(159, 15), kUntouched);
    }
}

TEST_F(MenuExDrawTest, SelectionAndTextColourFollowTheState) {
    const struct {
        UINT state;
        bool rectangle;
        COLORREF text;
    } cases[] = {
        {0, false, kText},
        {ODS_SELECTED, true, kSelText},
        {ODS_SELECTED | ODS_GRAYED, false, kGrey},
        {ODS_SELECTED | ODS_DISABLED, false, kSelText},
        {ODS_GRAYED, false, kGrey},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state);
        Canvas fresh(180, 40, kUntouched);
        DRAWITEMSTRUCT draw = DrawInfo(File(), &Open(), c.state, kItem, fresh.Dc());
        File().DrawItem(&draw);
        if (c.rectangle) {
            for (POINT edge : {POINT{10, 5}, POINT{159, 26}, POINT{10, 16}, POINT{159, 16}, POINT{80, 5}}) {
                EXPECT_EQ(fresh.At(edge.x, edge.y), kBorder) << edge.x << "," << edge.y;
            }
            EXPECT_EQ(fresh.At(15, 16), kFill);  // over the icon column too
            EXPECT_EQ(fresh.At(155, 7), kFill);
            EXPECT_EQ(fresh.Count(kItem, kIconBack), 0);
        } else {
            EXPECT_EQ(fresh.Count(kItem, kBorder), 0);
            EXPECT_EQ(fresh.At(15, 16), kIconBack);
            EXPECT_EQ(fresh.At(31, 16), kIconBack);
            EXPECT_EQ(fresh.At(32, 16), kBack);
            EXPECT_EQ(fresh.At(155, 7), kBack);
        }
        EXPECT_GT(fresh.Count(kTextArea, c.text), 0);
        EXPECT_EQ(fresh.Count({10, 5, 40, 27}, c.text), 0) << "text starts right of the icon column";
        for (COLORREF other : {kText, kSelText, kGrey}) {
            if (other != c.text) {
                EXPECT_EQ(fresh.Count(kItem, other), 0);
            }
        }
        EXPECT_EQ(fresh.At(160, 5), kUntouched);
    }
}

TEST_F(MenuExDrawTest, CheckedItemShowsTheBoxAndNoPicture) {
    MakeOnePictureList(normal, 20, 20, kPicture);
    bar.SetImageList(&normal);
    MENUITEM& about = *Help().m_items[0];
    about.nImageIndex = 0;

    Draw(Help(), about, 0);
    EXPECT_EQ(canvas.Count(kBox, kPicture), 20 * 20) << "unchecked: the picture fills the box";

    Draw(Help(), about, ODS_CHECKED);
    EXPECT_EQ(canvas.Count(kItem, kPicture), 0);
    EXPECT_EQ(canvas.At(kBox.left, kBox.top), kBorder);
    EXPECT_EQ(canvas.At(kBox.right - 1, kBox.bottom - 1), kBorder);
    EXPECT_EQ(canvas.At(kBox.left + 1, kBox.top + 1), kFill);
    EXPECT_GT(canvas.Count(kBox, kText), 0) << "the tick";
    EXPECT_EQ(canvas.At(kBox.right, kBox.top + 5), kIconBack);

    Draw(Help(), about, ODS_CHECKED | ODS_SELECTED);
    EXPECT_GT(canvas.Count(kBox, kSelText), 0);

    Draw(Help(), about, ODS_CHECKED | ODS_GRAYED);
    EXPECT_EQ(canvas.At(kBox.left, kBox.top), kBorder);
    EXPECT_EQ(canvas.Count(kBox, kText), 0);
    EXPECT_GT(canvas.Count(kBox, GetSysColor(COLOR_3DSHADOW)), 0) << "the embossed tick";
}

TEST_F(MenuExDrawTest, PictureComesFromTheListForTheState) {
    MakeOnePictureList(normal, 20, 20, kPicture);
    MakeOnePictureList(disabled, 20, 20, kDisabledPicture);
    MakeOnePictureList(hot, 20, 20, kHotPicture);
    Open().pImageList = &normal;
    Open().pDisabledImageList = &disabled;
    Open().pHotImageList = &hot;
    Open().nImageIndex = 0;
    const struct {
        UINT state;
        COLORREF picture;
    } cases[] = {
        {0, kPicture},
        {ODS_GRAYED, kDisabledPicture},
        {ODS_SELECTED, kHotPicture},
        {ODS_SELECTED | ODS_GRAYED, kDisabledPicture},
    };
    for (const auto& c : cases) {
        Draw(File(), Open(), c.state);
        for (COLORREF picture : {kPicture, kDisabledPicture, kHotPicture}) {
            EXPECT_EQ(canvas.Count(kBox, picture), picture == c.picture ? 20 * 20 : 0) << "state " << c.state;
        }
    }
}

TEST_F(MenuExDrawTest, NoPictureWithoutAnIndexOrAList) {
    MakeOnePictureList(hot, 20, 20, kHotPicture);
    Open().pHotImageList = &hot;
    Draw(File(), Open(), ODS_SELECTED);
    EXPECT_EQ(canvas.Count(kBox, kHotPicture), 0) << "index -1";
    Open().nImageIndex = 0;
    Draw(File(), Open(), 0);  // only a hot list, and the item is not selected
    EXPECT_EQ(canvas.Count(kBox, kHotPicture), 0);
    EXPECT_EQ(canvas.At(15, 16), kIconBack);
}

TEST_F(MenuExDrawTest, AWindowPassesMenuDrawItemToTheMenu) {
    DRAWITEMSTRUCT draw = DrawInfo(File(), &Open(), ODS_SELECTED, kItem, canvas.Dc());
    EXPECT_EQ(SendMessageW(owner.Wnd().m_hWnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)), TRUE);
    EXPECT_EQ(canvas.At(10, 5), kBorder);
    EXPECT_GT(canvas.Count(kTextArea, kSelText), 0);
}

TEST_F(MenuExDrawTest, ItemsThatAreNotTheMenusAreLeftAlone) {
    const MENUITEM* foreign[] = {nullptr, Help().m_items[0].get()};
    for (const MENUITEM* item : foreign) {
        DRAWITEMSTRUCT draw = DrawInfo(File(), item, ODS_SELECTED, kItem, canvas.Dc());
        SendMessageW(owner.Wnd().m_hWnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        EXPECT_EQ(canvas.Count(kItem, kUntouched), 150 * 22);
    }
    DRAWITEMSTRUCT button = DrawInfo(File(), &Open(), 0, kItem, canvas.Dc());
    button.CtlType = ODT_BUTTON;
    File().DrawItem(&button);
    EXPECT_EQ(canvas.Count(kItem, kUntouched), 150 * 22);
}

}  // namespace
