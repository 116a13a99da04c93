// The dialogs' shared look: the dialog colour behind static controls, system colours in edits.
#include "ui/dialog_colors.h"

#include <gtest/gtest.h>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "test_dialog.h"
#include "engine/click_run.h"
#include "win_test_util.h"

namespace {

// A dialog routed through the colour handlers, as each of the program's dialogs is.
class ColouredDialog : public CDialog {
public:
    ColouredDialog() : CDialog(IDD_TEST_FRAMEWORK) {}
    static CBrush s_brushStatic;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_ERASEBKGND: return ::OnEraseBkgnd(this, reinterpret_cast<HDC>(wParam));
            default: return CDialog::WindowProc(message, wParam, lParam);
        }
    }
    HBRUSH OnCtlColor(CDC* dc, HWND control, UINT kind) override {
        return DialogCtlColor(s_brushStatic, dc, kind, CDialog::OnCtlColor(dc, control, kind));
    }
};

CBrush ColouredDialog::s_brushStatic;

// The colours of a window's client area as it shows on the screen, read back pixel by pixel.
class ScreenCapture {
public:
    explicit ScreenCapture(HWND window) : m_dc(window), m_memory(m_dc.Get()) {
        GetClientRect(window, &m_client);
        m_bitmap.Reset(CreateCompatibleBitmap(m_dc.Get(), m_client.right, m_client.bottom));
        SelectGuard select(m_memory.Get(), m_bitmap.Get());
        BitBlt(m_memory.Get(), 0, 0, m_client.right, m_client.bottom, m_dc.Get(), 0, 0, SRCCOPY);
    }
    COLORREF At(int x, int y) {
        SelectGuard select(m_memory.Get(), m_bitmap.Get());
        return GetPixel(m_memory.Get(), x, y);
    }

private:
    ClientDC m_dc;
    MemoryDC m_memory;
    UniqueBitmap m_bitmap;
    RECT m_client{};
};

// A point inside a control's window, in the dialog's client coordinates, near its right edge.
POINT InsideNearRight(HWND dialog, int id) {
    RECT rc{};
    GetWindowRect(GetDlgItem(dialog, id), &rc);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    return POINT{rc.right - 4, (rc.top + rc.bottom) / 2};
}

class DialogColorsTest : public testing::Test {
protected:
    ColouredDialog dialog;
    void SetUp() override {
        ASSERT_TRUE(dialog.Create());
        SetWindowPos(dialog.m_hWnd, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        UpdateWindow(dialog.m_hWnd);
        PumpMessages();
    }
};

TEST_F(DialogColorsTest, StaticControlsAskForTheDialogBrushAndTransparency) {
    ClientDC dc(dialog.m_hWnd);
    SetBkMode(dc.Get(), OPAQUE);
    const auto brush =
        reinterpret_cast<HBRUSH>(SendMessageW(dialog.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                                              reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_TEST_STATIC))));
    LOGBRUSH info{};
    ASSERT_TRUE(GetObjectW(brush, sizeof(info), &info));
    EXPECT_EQ(info.lbColor, kDialogColor);
    EXPECT_EQ(GetBkMode(dc.Get()), TRANSPARENT);

    // The class's brush is made once and shared.
    const auto again = SendMessageW(dialog.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                                    reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_TEST_CHECK)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(again), brush);

    SetBkMode(dc.Get(), OPAQUE);  // an edit keeps the system's answer and the context's mode
    const auto editBrush = SendMessageW(dialog.m_hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                                        reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_TEST_EDIT)));
    EXPECT_NE(reinterpret_cast<HBRUSH>(editBrush), brush);
    EXPECT_EQ(GetBkMode(dc.Get()), OPAQUE);
}

TEST_F(DialogColorsTest, ThePaintedDialogShowsTheDialogColourBehindStaticsAndSystemColoursInEdits) {
    ScreenCapture screen(dialog.m_hWnd);
    EXPECT_EQ(screen.At(2, 2), kDialogColor);  // the background
    const struct {
        int id;
        COLORREF expected;
    } cases[] = {
        {IDC_TEST_STATIC, kDialogColor},
        {IDC_TEST_CHECK, kDialogColor},
        {IDC_TEST_RADIO, kDialogColor},
        {IDC_TEST_EDIT_DISABLED, kDialogColor},
        {IDC_TEST_EDIT, GetSysColor(COLOR_WINDOW)},
    };
    for (const auto& c : cases) {
        const POINT pt = InsideNearRight(dialog.m_hWnd, c.id);
        EXPECT_EQ(screen.At(pt.x, pt.y), c.expected) << "control " << c.id;
    }
    RECT group{};  // the middle of a group box, below its caption
    GetWindowRect(dialog.GetDlgItem(IDC_TEST_GROUP), &group);
    MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&group), 2);
    EXPECT_EQ(screen.At(group.left + 4, group.bottom - 6), kDialogColor);
}

TEST(DialogColors, EraseFillsTheWholeClientArea) {
    ColouredDialog dialog;
    ASSERT_TRUE(dialog.Create());
    RECT client{};
    GetClientRect(dialog.m_hWnd, &client);
    ClientDC screen(dialog.m_hWnd);
    MemoryDC memory(screen.Get());
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    SelectGuard select(memory.Get(), bitmap.Get());
    EXPECT_TRUE(SendMessageW(dialog.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0));
    EXPECT_EQ(GetPixel(memory.Get(), 0, 0), kDialogColor);
    EXPECT_EQ(GetPixel(memory.Get(), client.right - 1, client.bottom - 1), kDialogColor);
}

}  // namespace
