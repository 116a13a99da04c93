// The link control: set-up from a static control, fitting to the text, colours, hover, the hand
// cursor, clicks that open the address, and the parent's callback with its re-entry guard.
#include "controls/hyperlink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "framework/dialog.h"
#include "link_test.h"
#include "opened_urls.h"
#include "ui/dialog_colors.h"
#include "engine/click_run.h"
#include "win_test_util.h"

namespace {

std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// url_recorder.exe is built with the end-to-end tests.
std::wstring RecorderPath() {
    const std::wstring own = OwnPath();
    return own.substr(0, own.rfind(L'\\')) + L"\\..\\e2e\\url_recorder.exe";
}

// The test dialog with every link bound, coloured like the program's dialogs.
class LinkDialog : public CDialog {
public:
    LinkDialog() : CDialog(IDD_TEST_LINK) {}
    CHyperLink m_linkLeft, m_linkCenter, m_linkRight, m_linkVCenter, m_linkEmpty;

    HWND Link(int id) const { return GetDlgItem(id); }
    // A control's rectangle from the template's dialog units, in pixels, as the dialog places it.
    RECT TemplateRect(int left, int top, int width, int height) const {
        RECT units{left, top, width, height};  // each field converts on its own
        MapDialogRect(m_hWnd, &units);
        return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
    }

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_LINK_LEFT, m_linkLeft);
        DDX_Control(dx, IDC_LINK_CENTER, m_linkCenter);
        DDX_Control(dx, IDC_LINK_RIGHT, m_linkRight);
        DDX_Control(dx, IDC_LINK_VCENTER, m_linkVCenter);
        DDX_Control(dx, IDC_LINK_EMPTY, m_linkEmpty);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_ERASEBKGND: return ::OnEraseBkgnd(this, reinterpret_cast<HDC>(wParam));
            default: return CDialog::WindowProc(message, wParam, lParam);
        }
    }
    HBRUSH OnCtlColor(CDC* dc, HWND control, UINT kind) override {
        static CBrush s_brushStatic;
        return DialogCtlColor(s_brushStatic, dc, kind, CDialog::OnCtlColor(dc, control, kind));
    }
};

// A parent that sees the clicks first; `onClick` decides whether it handled them.
class CallbackDialog : public LinkDialog, public CHyperLink::CallBack {
public:
    std::function<BOOL(UINT)> onClick = [](UINT) { return FALSE; };
    std::vector<UINT> clicked, rightClicked;
    BOOL OnLinkClicked(UINT id) override {
        clicked.push_back(id);
        return onClick(id);
    }
    BOOL OnLinkRightClicked(UINT id) override {
        rightClicked.push_back(id);
        return TRUE;
    }
};

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRectInParent(window, &rect);
    return rect;
}

SIZE TextExtent(HWND link) {
    ClientDC dc(link);
    SelectGuard font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)));
    wchar_t text[256] = {};
    const int length = GetWindowTextW(link, text, 256);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text, length, &size);
    return size;
}

// The text colour the link asks for, through the dialog's colour message as when it paints.
COLORREF TextColour(HWND dialog, HWND link) {
    ClientDC dc(link);
    SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(link));
    return GetTextColor(dc.Get());
}

void MouseMove(HWND link, int x, int y) { SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

void Click(HWND link) {
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

struct ToolTipSearch {
    HWND link;
    std::wstring text;
};

// Takes the text of tool 1 of the link from `window`, if it is a tool tip that has one; ends the search then.
BOOL CALLBACK ReadLinkTool(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ToolTipSearch*>(param);
    wchar_t text[256] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = search->link;
    info.uId = 1;
    info.lpszText = text;
    if (!SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) return TRUE;
    SendMessageW(window, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    search->text = text;
    return FALSE;
}

// The text of the link's tool in whichever tool tip of this thread has it.
std::wstring ToolTipText(HWND link) {
    ToolTipSearch search{link, L""};
    EnumThreadWindows(GetCurrentThreadId(), ReadLinkTool, reinterpret_cast<LPARAM>(&search));
    return search.text;
}

TEST(HyperLink, SetUpTakesTheAddressFromTheTextAndFitsTheControlToIt) {
    LinkDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND link = dialog.Link(IDC_LINK_LEFT);
    EXPECT_EQ(dialog.m_linkLeft.m_strUrl, L"http://www.quillora.test/left");
    EXPECT_EQ(ToolTipText(link), L"http://www.quillora.test/left");
    EXPECT_TRUE(GetWindowLongPtrW(link, GWL_STYLE) & SS_NOTIFY);
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof(font), &font));
    EXPECT_TRUE(font.lfUnderline);

    // Left aligned: the top-left corner stays, the right and bottom edges move to the text's extent.
    const RECT before = dialog.TemplateRect(10, 10, 190, 20);
    const SIZE text = TextExtent(link);
    const RECT after = RectInParent(link);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, text.cx);
    EXPECT_EQ(after.bottom - after.top, text.cy);
}

TEST(HyperLink, FittingKeepsEachAlignment) {
    LinkDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const struct {
        int id;
        RECT before;
        bool keepsCentreX, keepsRight, keepsCentreY;
    } cases[] = {
        {IDC_LINK_CENTER, dialog.TemplateRect(10, 35, 190, 12), true, false, false},
        {IDC_LINK_RIGHT, dialog.TemplateRect(10, 55, 190, 12), false, true, false},
        {IDC_LINK_VCENTER, dialog.TemplateRect(10, 75, 190, 24), false, false, true},
    };
    for (const auto& c : cases) {
        HWND link = dialog.Link(c.id);
        const SIZE text = TextExtent(link);
        const RECT after = RectInParent(link);
        EXPECT_NEAR(after.right - after.left, text.cx, 1) << c.id;
        EXPECT_NEAR(after.bottom - after.top, text.cy, 1) << c.id;
        if (c.keepsCentreX) {
            EXPECT_NEAR(after.left + after.right, c.before.left + c.before.right, 1) << c.id;
        } else if (c.keepsRight) {
            EXPECT_EQ(after.right, c.before.right) << c.id;
        } else {
            EXPECT_EQ(after.left, c.before.left) << c.id;
        }
        if (c.keepsCentreY) {
            EXPECT_NEAR(after.top + after.bottom, c.before.top + c.before.bottom, 1) << c.id;
        } else {
            EXPECT_EQ(after.top, c.before.top) << c.id;
        }
    }
}

TEST(HyperLink, OptionsSetBeforeBindingAreKept) {
    LinkDialog dialog;
    dialog.m_linkEmpty.m_strUrl = L"http://given.test";  // a control without text shows its address
    dialog.m_linkLeft.m_bFitToText = FALSE;
    dialog.m_linkRight.m_bUnderlined = FALSE;
    ASSERT_TRUE(dialog.Create());
    wchar_t text[64] = {};
    GetWindowTextW(dialog.Link(IDC_LINK_EMPTY), text, 64);
    EXPECT_STREQ(text, L"http://given.test");
    const RECT left = RectInParent(dialog.Link(IDC_LINK_LEFT));
    const RECT templ = dialog.TemplateRect(10, 10, 190, 20);
    EXPECT_EQ(left.right, templ.right);
    EXPECT_EQ(left.bottom, templ.bottom);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog.Link(IDC_LINK_RIGHT), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    EXPECT_FALSE(font.lfUnderline);
    dialog.m_linkRight.SetUnderlined(TRUE);  // rebuilt on the living control
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog.Link(IDC_LINK_RIGHT), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    EXPECT_TRUE(font.lfUnderline);
}

TEST(HyperLink, HoverHoldsTheMouseAndChangesTheColourUntilThePointerLeaves) {
    LinkDialog dialog;
    dialog.m_linkLeft.m_clrHover = RGB(200, 0, 0);
    ASSERT_TRUE(dialog.Create());
    HWND link = dialog.Link(IDC_LINK_LEFT);
    EXPECT_EQ(TextColour(dialog.m_hWnd, link), RGB(0, 0, 238));

    MouseMove(link, 2, 2);
    EXPECT_TRUE(dialog.m_linkLeft.IsHovering());
    EXPECT_EQ(GetCapture(), link);
    EXPECT_EQ(TextColour(dialog.m_hWnd, link), RGB(200, 0, 0));
    MouseMove(link, 3, 2);  // still inside
    EXPECT_TRUE(dialog.m_linkLeft.IsHovering());

    MouseMove(link, -5, 2);
    EXPECT_FALSE(dialog.m_linkLeft.IsHovering());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TextColour(dialog.m_hWnd, link), RGB(0, 0, 238));

    // Another window taking the mouse ends the hover as well: no move would ever tell the link.
    MouseMove(link, 2, 2);
    SetCapture(dialog.m_hWnd);
    EXPECT_FALSE(dialog.m_linkLeft.IsHovering());
    EXPECT_EQ(TextColour(dialog.m_hWnd, link), RGB(0, 0, 238));
    ReleaseCapture();
}

// The underline of the painted link shows its colour: link colour, then the hover colour.
TEST(HyperLink, PaintsTheTextInTheColourOfItsState) {
    LinkDialog dialog;
    dialog.m_linkLeft.m_clrHover = RGB(200, 0, 0);
    ASSERT_TRUE(dialog.Create());
    SetWindowPos(dialog.m_hWnd, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(dialog.m_hWnd);
    PumpMessages();
    HWND link = dialog.Link(IDC_LINK_LEFT);
    auto widestRunOf = [link](COLORREF colour) {
        RECT client{};
        GetClientRect(link, &client);
        ClientDC dc(link);
        int widest = 0;
        for (int y = 0; y < client.bottom; ++y) {
            int run = 0;
            for (int x = 0; x < client.right; ++x) run += GetPixel(dc.Get(), x, y) == colour ? 1 : 0;
            widest = std::max(widest, run);
        }
        return widest;
    };
    const int width = TextExtent(link).cx;
    EXPECT_GT(widestRunOf(RGB(0, 0, 238)), width / 2);
    MouseMove(link, 2, 2);  // the link repaints at once
    EXPECT_GT(widestRunOf(RGB(200, 0, 0)), width / 2);
    EXPECT_LT(widestRunOf(RGB(0, 0, 238)), width / 2);
    MouseMove(link, -5, 2);
}

class HyperLinkClickTest : public testing::Test {
protected:
    OpenedUrls opened{RecorderPath()};
    void SetUp() override { ASSERT_TRUE(opened.Registered()); }
};

TEST_F(HyperLinkClickTest, AClickOpensTheAddressAndMarksTheLinkVisited) {
    LinkDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND link = dialog.Link(IDC_LINK_LEFT);
    MouseMove(link, 2, 2);
    Click(link);
    EXPECT_EQ(opened.WaitFor(1, kTimeoutMs), std::vector<std::string>{"http://www.quillora.test/left"});
    EXPECT_TRUE(dialog.m_linkLeft.IsVisited());
    MouseMove(link, -5, 2);
    EXPECT_EQ(TextColour(dialog.m_hWnd, link), RGB(85, 26, 139));
}

TEST_F(HyperLinkClickTest, AParentThatHandlesTheClickKeepsTheAddressClosed) {
    CallbackDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND link = dialog.Link(IDC_LINK_LEFT);
    dialog.onClick = [](UINT) { return TRUE; };
    MouseMove(link, 2, 2);
    Click(link);
    EXPECT_EQ(dialog.clicked, std::vector<UINT>{IDC_LINK_LEFT});
    EXPECT_FALSE(dialog.m_linkLeft.IsVisited());
    EXPECT_FALSE(dialog.m_linkLeft.IsHovering());
    EXPECT_EQ(GetCapture(), nullptr);

    dialog.onClick = [](UINT) { return FALSE; };  // not handled: the link opens its address
    Click(dialog.Link(IDC_LINK_RIGHT));
    EXPECT_EQ(opened.WaitFor(1, kTimeoutMs), std::vector<std::string>{"http://r.test"});  // only this one
    EXPECT_TRUE(dialog.m_linkRight.IsVisited());
}

TEST_F(HyperLinkClickTest, AClickWhileTheParentHandlesOneDoesNothing) {
    CallbackDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND link = dialog.Link(IDC_LINK_LEFT);
    int nested = 0;
    dialog.onClick = [&](UINT) {
        if (nested++ == 0) Click(link);  // e.g. a second click while the parent shows a message
        return FALSE;
    };
    Click(link);
    EXPECT_EQ(dialog.clicked.size(), 1u);
    EXPECT_EQ(opened.WaitFor(1, kTimeoutMs), std::vector<std::string>{"http://www.quillora.test/left"});
    dialog.onClick = [](UINT) { return TRUE; };
    Click(link);  // the guard is down again afterwards
    EXPECT_EQ(dialog.clicked.size(), 2u);
}

TEST(HyperLink, ARightClickGoesToTheParentAndEndsTheHover) {
    CallbackDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND link = dialog.Link(IDC_LINK_CENTER);
    MouseMove(link, 2, 2);
    SendMessageW(link, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(dialog.rightClicked, std::vector<UINT>{IDC_LINK_CENTER});
    EXPECT_FALSE(dialog.m_linkCenter.IsHovering());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(HyperLink, TheHandCursorComesFromCursor106OfAModule) {
    EXPECT_TRUE(CopyModuleCursor(OwnPath(), CHyperLink::kHandCursorId));
    EXPECT_FALSE(CopyModuleCursor(OwnPath() + L".missing", CHyperLink::kHandCursorId));
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_FALSE(CopyModuleCursor(std::wstring(system) + L"\\kernel32.dll", CHyperLink::kHandCursorId));
}

TEST(HyperLink, ShowsTheHandCursorOnlyWhenThereIsOne) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring viewer = std::wstring(windows) + L"\\winhlp32.exe";
    auto setCursor = [](HWND link) {
        return SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), HTCLIENT);
    };
    LinkDialog dialog;
    dialog.m_linkCenter.m_hLinkCursor = CopyModuleCursor(OwnPath(), CHyperLink::kHandCursorId);  // given by the owner
    dialog.m_linkRight.m_hLinkCursor = CopyModuleCursor(OwnPath(), CHyperLink::kHandCursorId);
    dialog.m_linkRight.m_bNoLinkCursor = TRUE;
    ASSERT_TRUE(dialog.Create());
    if (GetFileAttributesW(viewer.c_str()) == INVALID_FILE_ATTRIBUTES) {  // no help viewer: no cursor of its own
        EXPECT_FALSE(dialog.m_linkLeft.m_hLinkCursor);
        EXPECT_FALSE(setCursor(dialog.Link(IDC_LINK_LEFT)));
    }
    EXPECT_TRUE(setCursor(dialog.Link(IDC_LINK_CENTER)));
    EXPECT_EQ(GetCursor(), dialog.m_linkCenter.m_hLinkCursor.Get());
    EXPECT_FALSE(setCursor(dialog.Link(IDC_LINK_RIGHT)));
}

TEST(HyperLink, AControlThatOutlivesItsObjectLetsGoOfTheLinkFont) {
    LinkDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND empty = dialog.Link(IDC_LINK_EMPTY);
    dialog.m_linkEmpty.UnsubclassWindow();
    auto link = std::make_unique<CHyperLink>();
    ASSERT_TRUE(link->SubclassWindow(empty));
    EXPECT_NE(SendMessageW(empty, WM_GETFONT, 0, 0), 0);
    link.reset();
    EXPECT_EQ(SendMessageW(empty, WM_GETFONT, 0, 0), 0);
}

TEST(WindowRectInParent, ChildrenInTheParentsClientAreaTopLevelWindowsOnTheScreen) {
    LinkDialog dialog;
    ASSERT_TRUE(dialog.Create());
    SetWindowPos(dialog.m_hWnd, nullptr, 70, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT child{};
    ASSERT_TRUE(GetWindowRectInParent(dialog.Link(IDC_LINK_LEFT), &child));
    EXPECT_EQ(child.left, dialog.TemplateRect(10, 10, 1, 1).left);
    EXPECT_EQ(child.top, dialog.TemplateRect(10, 10, 1, 1).top);
    RECT top{}, screen{};
    ASSERT_TRUE(GetWindowRectInParent(dialog.m_hWnd, &top));
    GetWindowRect(dialog.m_hWnd, &screen);
    EXPECT_TRUE(EqualRect(&top, &screen));
    HWND stale = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(stale);
    EXPECT_FALSE(GetWindowRectInParent(stale, &top));
}

}  // namespace
