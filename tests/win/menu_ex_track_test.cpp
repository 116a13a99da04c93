// The owner-drawn items inside the system's own menu loop: a popup shown with TrackPopupMenu asks
// its owner window to measure and draw every item, and the menu is closed once it is idle.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/menu_ex.h"
#include "menu_test_util.h"
#include "test_menu.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;

// An owner window that measures menu items with CMenuEx, records what it was asked, and closes
// the menu when the menu loop goes idle or its timer comes (timers come after paints).
class MenuHost : public CWnd {
public:
    std::vector<ULONG_PTR> measured;
    std::vector<ULONG_PTR> drawn;
    std::vector<HMENU> drawnMenus;
    HMENU tracked = nullptr;
    std::vector<RECT> itemRects;  // read while the menu is open

protected:
    // Measures, notes each drawing before the framework routes it, and closes the menu.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_MEASUREITEM: return OnMeasure(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            case WM_DRAWITEM: {
                const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                drawn.push_back(draw->itemData);
                drawnMenus.push_back(reinterpret_cast<HMENU>(draw->hwndItem));
                return CWnd::WindowProc(message, wParam, lParam);
            }
            case WM_ENTERIDLE: CloseMenu(); return 0;
            case WM_TIMER: CloseMenu(); return 0;
            default: return CWnd::WindowProc(message, wParam, lParam);
        }
    }

private:
    // Answers as a real owner window does, and notes which record was asked.
    LRESULT OnMeasure(MEASUREITEMSTRUCT* measure) {
        measured.push_back(measure->itemData);
        CMenuEx::MeasureMenuItem(measure);
        return TRUE;
    }
    // Notes the items' rectangles of the open menu once, then ends the menu.
    void CloseMenu() {
        if (itemRects.empty()) {
            for (int pos = 0; pos < GetMenuItemCount(tracked); ++pos) {
                RECT rect{};
                GetMenuItemRect(m_hWnd, tracked, pos, &rect);
                itemRects.push_back(rect);
            }
        }
        EndMenu();
    }
};

// A hidden window to own the menu; hidden, so no window manager round trips slow the test.
HWND CreateHostWindow() {
    return CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

TEST(MenuExTrack, TheMenuLoopMeasuresAndDrawsEveryItemThroughTheRecords) {
    TestWindow window(CreateHostWindow());
    ASSERT_NE(window.Get(), nullptr);
    MenuHost host;
    ASSERT_TRUE(host.SubclassWindow(window.Get()));
    CMenuEx bar(&host);
    ASSERT_TRUE(bar.LoadFromResource(IDR_TEST_MENU));
    CMenuEx& file = *bar.m_items[0]->pSubMenu;
    host.tracked = file.m_hMenu;
    SetTimer(window.Get(), kCloseTimer, 50, nullptr);

    TrackPopupMenu(file.m_hMenu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 20, 20, 0, window.Get(), nullptr);
    KillTimer(window.Get(), kCloseTimer);
    host.UnsubclassWindow();

    for (const auto& item : file.m_items) {
        const ULONG_PTR data = reinterpret_cast<ULONG_PTR>(item.get());
        EXPECT_NE(std::find(host.measured.begin(), host.measured.end(), data), host.measured.end()) << item->nID;
        EXPECT_NE(std::find(host.drawn.begin(), host.drawn.end(), data), host.drawn.end()) << item->nID;
    }
    for (HMENU menu : host.drawnMenus) EXPECT_EQ(menu, file.m_hMenu);
    ASSERT_EQ(host.itemRects.size(), 4u);
    EXPECT_EQ(host.itemRects[0].bottom - host.itemRects[0].top, 22);  // text item: 2 + the picture room
    EXPECT_EQ(host.itemRects[1].bottom - host.itemRects[1].top, 10);  // separator
}

}  // namespace
