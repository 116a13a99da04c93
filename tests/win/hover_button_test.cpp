// The hover button: what it paints in each state, and how it follows the pointer.
#include "controls/hover_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/gdi.h"
#include "win_test_util.h"

namespace {

constexpr COLORREF kBack = RGB(246, 246, 246);
constexpr COLORREF kHover = RGB(128, 168, 128);
constexpr COLORREF kPicture = RGB(200, 30, 60);

// An opaque picture of one colour, with storage of its own.
class SolidImage {
public:
    SolidImage(int width, int height, COLORREF color) : m_pixels(static_cast<size_t>(width * height) * 4) {
        for (size_t i = 0; i < m_pixels.size(); i += 4) {
            m_pixels[i] = GetRValue(color);
            m_pixels[i + 1] = GetGValue(color);
            m_pixels[i + 2] = GetBValue(color);
            m_pixels[i + 3] = 0;  // opaque
        }
        for (int y = 0; y < height; ++y) m_rows.push_back(&m_pixels[static_cast<size_t>(y * width) * 4]);
        m_image = PngImage{width, height, m_rows.data()};
    }
    const PngImage* Get() const { return &m_image; }

private:
    std::vector<uint8_t> m_pixels;
    std::vector<uint8_t*> m_rows;
    PngImage m_image{};
};

// A button of the given size on a hidden parent, painted into a memory bitmap on request.
class HoverButtonTest : public testing::Test {
protected:
    TestWindow parent{
        CreateWindowW(L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr)};
    CWnd parentWnd;
    CHoverBitmapButton button;
    SolidImage picture{20, 18, kPicture};
    ClientDC screen{nullptr};
    MemoryDC memory{screen.Get()};
    UniqueBitmap canvas{CreateCompatibleBitmap(screen.Get(), 100, 100)};
    SelectGuard select{memory.Get(), canvas.Get()};

    void SetUp() override {
        ASSERT_TRUE(parentWnd.SubclassWindow(parent.Get()));
        ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE, RECT{10, 10, 32, 30}, &parentWnd, 77));
        button.m_clrBack = kBack;
        button.m_clrHoverBack = kHover;
        button.m_pImage = picture.Get();
    }

    void Paint(int width, int height, UINT state) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = button.m_hWnd;
        item.hDC = memory.Get();
        item.rcItem = RECT{0, 0, width, height};
        item.itemState = state;
        button.DrawItem(&item);
    }
    COLORREF At(int x, int y) { return GetPixel(memory.Get(), x, y); }

    // The top-left corner of the picture's colour, searching the painted area.
    POINT PictureCorner(int width, int height) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (At(x, y) == kPicture) return POINT{x, y};
            }
        }
        return POINT{-1, -1};
    }
};

TEST_F(HoverButtonTest, CaptionlessPictureIsCentredAndMovesWhenPressed) {
    const struct {
        BOOL noPressShift;
        BOOL shiftImage;
        UINT state;
        POINT corner;
    } cases[] = {
        {FALSE, FALSE, 0, {1, 1}}, {FALSE, FALSE, ODS_SELECTED, {2, 2}}, {TRUE, FALSE, ODS_SELECTED, {1, 1}},
        {FALSE, TRUE, 0, {2, 2}},  {FALSE, TRUE, ODS_SELECTED, {3, 3}},
    };
    for (const auto& c : cases) {
        button.m_bNoPressShift = c.noPressShift;
        button.m_bShiftImage = c.shiftImage;
        Paint(22, 20, c.state);
        const POINT corner = PictureCorner(22, 20);
        EXPECT_EQ(corner.x, c.corner.x) << c.state << c.noPressShift << c.shiftImage;
        EXPECT_EQ(corner.y, c.corner.y);
        EXPECT_EQ(At(0, 0), kBack);  // the frame stays in the background colour
    }
}

TEST_F(HoverButtonTest, CaptionSitsInTheLastRowsAndThePictureTopStaysAtFive) {
    SetWindowTextW(button.m_hWnd, L"Go");
    for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
        const int shift = state == ODS_SELECTED ? 1 : 0;
        Paint(60, 50, state);
        const POINT corner = PictureCorner(60, 50);
        EXPECT_EQ(corner.y, 5) << state;
        EXPECT_EQ(corner.x, 20 + shift);
        // Caption pixels (not background, not picture) lie only in the last 21 rows (after the press).
        int captionTop = 50, captionBottom = -1;
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 60; ++x) {
                const COLORREF c = At(x, y);
                if (c == kBack || c == kPicture) continue;
                captionTop = std::min(captionTop, y);
                captionBottom = std::max(captionBottom, y);
            }
        }
        EXPECT_GE(captionTop, 50 - 21 + shift);
        EXPECT_GE(captionBottom, captionTop);  // there is a caption
    }
    button.m_bShowCaption = FALSE;  // laid out as caption-less
    Paint(60, 50, 0);
    EXPECT_EQ(PictureCorner(60, 50).y, 16);
}

TEST_F(HoverButtonTest, HoverColourWhileHoveringOrAlways) {
    Paint(22, 20, 0);
    EXPECT_EQ(At(0, 0), kBack);
    button.m_bHighlightAlways = TRUE;
    Paint(22, 20, 0);
    EXPECT_EQ(At(0, 0), kHover);
    EXPECT_EQ(At(1, 1), kPicture);
    button.m_bHighlightAlways = FALSE;
    SendMessageW(button.m_hWnd, WM_MOUSEHOVER, 0, 0);
    EXPECT_TRUE(button.m_bHovering);
    Paint(22, 20, 0);
    EXPECT_EQ(At(21, 19), kHover);
}

TEST_F(HoverButtonTest, HoverBitmapIsCopiedAtItsOwnSize) {
    UniqueBitmap hover(CreateCompatibleBitmap(screen.Get(), 5, 4));
    {
        MemoryDC fill(screen.Get());
        SelectGuard selectHover(fill.Get(), hover.Get());
        UniqueBrush blue(CreateSolidBrush(RGB(0, 0, 255)));
        RECT all{0, 0, 5, 4};
        FillRect(fill.Get(), &all, blue.Get());
    }
    button.m_hHoverBitmap = hover.Get();
    button.m_bHighlightAlways = TRUE;
    button.m_pImage = nullptr;
    Paint(22, 20, 0);
    EXPECT_EQ(At(4, 3), RGB(0, 0, 255));
    EXPECT_EQ(At(5, 3), kBack);
    EXPECT_EQ(At(4, 4), kBack);
}

TEST_F(HoverButtonTest, DisabledStateUsesTheDisabledPictureWhenThereIsOne) {
    SolidImage grey(20, 18, RGB(90, 90, 90));
    Paint(22, 20, ODS_DISABLED);
    EXPECT_EQ(At(1, 1), kPicture);
    button.m_pDisabledImage = grey.Get();
    Paint(22, 20, ODS_DISABLED);
    EXPECT_EQ(At(1, 1), RGB(90, 90, 90));
    Paint(22, 20, ODS_GRAYED);
    EXPECT_EQ(At(1, 1), RGB(90, 90, 90));
    Paint(22, 20, 0);
    EXPECT_EQ(At(1, 1), kPicture);
}

TEST_F(HoverButtonTest, WithoutAPictureOnlyTheBackgroundIsPainted) {
    button.m_pImage = nullptr;
    Paint(22, 20, ODS_SELECTED);
    EXPECT_EQ(PictureCorner(22, 20).x, -1);
    EXPECT_EQ(At(11, 10), kBack);
}

TEST_F(HoverButtonTest, LeavingRepaintsTheParentBehindTheButton) {
    SendMessageW(button.m_hWnd, WM_MOUSEHOVER, 0, 0);
    ValidateRect(parent.Get(), nullptr);
    SendMessageW(button.m_hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.m_bHovering);
    EXPECT_FALSE(button.m_bTracking);
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(parent.Get(), &update, FALSE));
    EXPECT_LE(update.left, 10);
    EXPECT_LE(update.top, 10);
    EXPECT_GE(update.right, 32);
    EXPECT_GE(update.bottom, 30);
}

TEST_F(HoverButtonTest, RunTimeButtonsAreOwnerDrawnWithoutDoubleClicks) {
    wchar_t className[64] = {};
    GetClassNameW(button.m_hWnd, className, 64);
    EXPECT_STREQ(className, L"NoDoubleClickButton");
    EXPECT_EQ(GetClassLongPtrW(button.m_hWnd, GCL_STYLE) & CS_DBLCLKS, 0u);
    EXPECT_EQ(button.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));

    CHoverBitmapButton second;  // the class is registered once and reused
    EXPECT_TRUE(second.Create(L"", WS_CHILD, RECT{0, 0, 10, 10}, &parentWnd, 78));
}

}  // namespace
