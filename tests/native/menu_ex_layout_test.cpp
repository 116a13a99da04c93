#include "controls/menu_ex_layout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace menu_layout {

// Comparisons and printing for the expectations; found by argument-dependent lookup.
static bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
static bool operator==(const Size& a, const Size& b) { return a.cx == b.cx && a.cy == b.cy; }
static bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }

static std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
static std::ostream& operator<<(std::ostream& out, const Size& s) { return out << "{" << s.cx << "," << s.cy << "}"; }
static std::ostream& operator<<(std::ostream& out, const Point& p) { return out << "{" << p.x << "," << p.y << "}"; }

namespace {

constexpr ItemState kPlain{false, false, false, false};
constexpr ItemState kSelected{true, false, false, false};
constexpr ItemState kGrayed{false, true, false, false};
constexpr ItemState kSelectedGrayed{true, true, false, false};
constexpr ItemState kSelectedDisabled{true, false, true, false};

TEST(MenuLayout, ItemSizes) {
    const Size image20{20, 20};
    const Size image16x15{16, 15};
    struct Case {
        int width, height;
        bool separator;
        const Size* image;
        Size expected;
    };
    const Case cases[] = {
        {RecordedWidth(40, false), kTextItemHeight, false, &image20, {70, 22}},  // command: text + 30
        {RecordedWidth(40, true), kTextItemHeight, false, &image20, {85, 22}},   // submenu: text + 45
        {RecordedWidth(40, false), kTextItemHeight, false, nullptr, {70, 22}},   // no list: 20 by 20
        {RecordedWidth(40, false), kTextItemHeight, false, &image16x15, {66, 17}},
        {0, 10, true, &image20, {0, 10}},  // a separator keeps its recorded size
        {0, 7, true, nullptr, {0, 7}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MeasuredSize(c.width, c.height, c.separator, c.image), c.expected) << c.width << "x" << c.height;
    }
}

TEST(MenuLayout, PartsOfAnItem) {
    const Rect item{5, 100, 205, 110};
    EXPECT_EQ(IconColumn(item, 20), (Rect{5, 100, 27, 110}));
    EXPECT_EQ(IconBox(item, 20, 16), (Rect{6, 101, 26, 117}));
    EXPECT_EQ(SeparatorLine(item, 20), (Rect{35, 104, 205, 105}));
    EXPECT_EQ(SeparatorLine(Rect{0, 0, 100, 11}, 16), (Rect{26, 4, 100, 5}));  // odd height rounds down
    EXPECT_EQ(SeparatorLine(Rect{0, -10, 100, 0}, 20), (Rect{30, -6, 100, -5}));
}

TEST(MenuLayout, TextIsCentredVertically) {
    const Rect item{0, 40, 120, 62};
    EXPECT_EQ(TextBox(item, 20, 16), (Rect{30, 43, 120, 62}));
    EXPECT_EQ(TextBox(item, 20, 15), (Rect{30, 43, 120, 62}));  // 7 / 2 truncates
    EXPECT_EQ(TextBox(item, 24, 29), (Rect{34, 37, 120, 62}));  // -7 / 2 truncates toward zero
}

TEST(MenuLayout, TickIsCentredAndRaised) {
    const Rect box{1, 1, 21, 21};
    EXPECT_EQ(TickOrigin(box, Size{9, 16}), (Point{6, -1}));
    EXPECT_EQ(TickOrigin(box, Size{10, 11}), (Point{6, 1}));
    EXPECT_EQ(TickOrigin(box, Size{25, 27}), (Point{-1, -6}));  // larger than the box: halves truncate toward zero
}

TEST(MenuLayout, SelectionOnlyForChoosableItems) {
    EXPECT_TRUE(ShowsSelection(false, kSelected));
    EXPECT_FALSE(ShowsSelection(true, kSelected));
    EXPECT_FALSE(ShowsSelection(false, kPlain));
    EXPECT_FALSE(ShowsSelection(false, kSelectedGrayed));
    EXPECT_FALSE(ShowsSelection(false, kSelectedDisabled));
}

TEST(MenuLayout, TextColorGrayedWinsOverSelected) {
    EXPECT_EQ(PickTextColor(kPlain), TextColor::Normal);
    EXPECT_EQ(PickTextColor(kSelected), TextColor::Selected);
    EXPECT_EQ(PickTextColor(kGrayed), TextColor::Grayed);
    EXPECT_EQ(PickTextColor(kSelectedGrayed), TextColor::Grayed);
}

TEST(MenuLayout, ImageListChoice) {
    struct Case {
        bool normal, disabled, hot;
        ItemState state;
        ImageSource expected;
    };
    const Case cases[] = {
        {true, true, true, kPlain, ImageSource::Normal},
        {true, true, true, kGrayed, ImageSource::Disabled},
        {true, true, true, kSelected, ImageSource::Hot},
        {true, true, true, kSelectedGrayed, ImageSource::Disabled},
        {true, false, true, kSelectedGrayed, ImageSource::Hot},  // no disabled list: a selected item is hot
        {true, false, false, kGrayed, ImageSource::Normal},
        {false, false, true, kPlain, ImageSource::None},  // only a hot list: nothing to draw unselected
        {false, false, false, kSelected, ImageSource::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PickImageList(c.normal, c.disabled, c.hot, c.state), c.expected)
            << c.normal << c.disabled << c.hot << " selected " << c.state.selected << " grayed " << c.state.grayed;
    }
}

TEST(MenuLayout, LastMatchTakesTheLaterPosition) {
    const uint32_t ids[] = {32773, 32775, 32773, 7};
    EXPECT_EQ(LastMatch(32773, ids, 4), 2);
    EXPECT_EQ(LastMatch(32775, ids, 4), 1);
    EXPECT_EQ(LastMatch(32773, ids, 2), 0);  // only the first `count` ids are compared
    EXPECT_EQ(LastMatch(9, ids, 4), -1);
    EXPECT_EQ(LastMatch(7, ids, 0), -1);
    EXPECT_EQ(LastMatch(7, nullptr, 4), -1);
}

}  // namespace
}  // namespace menu_layout
