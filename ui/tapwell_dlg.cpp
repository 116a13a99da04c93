#include "ui/tapwell_dlg.h"

#include "app/program_paths.h"
#include "controls/png_image.h"
#include "framework/app.h"
#include "res/resource.h"
#include "settings/settings_store.h"
#include "ui/dialog_colors.h"

namespace {

// The two pictures of the move-to-point button, shared by every dialog and kept until the process ends.
PngImage* g_pViewPosImage = nullptr;
PngImage* g_pViewPosDisabledImage = nullptr;

constexpr COLORREF kMenuBackColor = RGB(186, 218, 245);
constexpr COLORREF kMenuSelFillColor = RGB(186, 220, 210);
constexpr COLORREF kViewPosHoverColor = RGB(128, 168, 128);
constexpr int kMenuImageSize = 20;

void FillList(CComboBox& list, std::initializer_list<const wchar_t*> items, int selected) {
    for (const wchar_t* item : items) list.AddString(item);
    list.SetCurSel(selected);
}

}  // namespace

CTapwellDlg::CTapwellDlg()
    : CDialog(IDD_TAPWELL_DIALOG),
      m_bRunning(FALSE),
      m_bStopRequested(FALSE),
      m_hIcon(nullptr),
      m_ptLastCursor{-1, -1},
      m_bCapturing(FALSE),
      m_menu(nullptr) {
    if (g_pViewPosImage == nullptr) g_pViewPosImage = LoadResImage("view_pos.png");
    if (g_pViewPosDisabledImage == nullptr) g_pViewPosDisabledImage = LoadResImage("view_pos_dis.png");
    m_hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

void CTapwellDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_EDIT_INTERVAL, m_editInterval);
    DDX_Control(dx, IDC_BTN_START, m_btnStart);
    DDX_Control(dx, IDC_BTN_STOP, m_btnStop);
    DDX_Control(dx, IDC_COMBO_MOUSE, m_comboMouse);
    DDX_Control(dx, IDC_COMBO_ACTION, m_comboAction);
    DDX_Control(dx, IDC_RADIO_MOUSE_POS, m_radioMousePos);
    DDX_Control(dx, IDC_RADIO_FIXED_POINT, m_radioFixedPoint);
    DDX_Control(dx, IDC_BTN_START_CAPTURE, m_btnStartCapture);
    DDX_Control(dx, IDC_EDIT_X, m_editX);
    DDX_Control(dx, IDC_EDIT_Y, m_editY);
    DDX_Control(dx, IDC_STATIC_CAPTURE_HINT, m_staticCaptureHint);
    DDX_Control(dx, IDC_CHECK_MOVE_MOUSE, m_checkMoveMouse);
    DDX_Control(dx, IDC_EDIT_CLICK_COUNT, m_editClickCount);
    DDX_Control(dx, IDC_RADIO_CLICK_COUNT, m_radioClickCount);
    DDX_Control(dx, IDC_RADIO_CLICK_FOR, m_radioClickFor);
    DDX_Control(dx, IDC_EDIT_CLICK_FOR, m_editClickFor);
    DDX_Control(dx, IDC_COMBO_TIME_UNIT, m_comboTimeUnit);
    DDX_Control(dx, IDC_CHECK_NO_ACTIVATE, m_checkNoActivate);
    DDX_Control(dx, IDC_BTN_VIEW_POS, m_btnViewPos);
}

BOOL CTapwellDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetUpMenuBar();
    FillLists();
    SetUpViewPosButton();
    if (m_toolTip.Create(this)) {
        m_toolTip.AddTool(&m_btnViewPos, L"View mouse position");
        m_toolTip.Activate(TRUE);
    }
    LoadSettings();
    UpdateCountModeControls();
    m_btnStop.EnableWindow(FALSE);
    UpdateClickPointControls();
    RegisterHotkeys();
    return TRUE;
}

// A separator and "&About Tapwell..." at the end of the system menu.
void CTapwellDlg::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    if (systemMenu == nullptr) return;
    wchar_t text[64] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 64) <= 0) return;
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

// The owner-drawn copy of the menu bar, with the help picture on the Help command.
void CTapwellDlg::SetUpMenuBar() {
    m_menu.LoadFromResource(IDR_MAINFRAME);
    SetMenu(m_hWnd, m_menu.m_hMenu);
    m_menu.SetBackColor(kMenuBackColor);
    m_menu.SetSelFillColor(kMenuSelFillColor);
    m_menuImages.Create(kMenuImageSize, kMenuImageSize, ILC_COLOR24 | ILC_MASK, 9, 0);
    UniqueBitmap picture(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_MENU_HELP)));
    m_menuImages.Add(picture.Get(), nullptr);
    m_menu.SetImageList(&m_menuImages);
    const UINT imageIds[] = {ID_MENU_HELP};
    m_menu.SetImageIndices(imageIds, 1);
}

void CTapwellDlg::FillLists() {
    FillList(m_comboMouse, {L"Left Button", L"Middle Button", L"Right Button"}, kLeftButton);
    FillList(m_comboAction, {L"Single Click", L"Double Click", L"Button Down", L"Button Up"}, kSingleClick);
    FillList(m_comboTimeUnit, {L"ms", L"second", L"minute", L"hour"}, kUnitMinute);
}

// The move-to-point button wraps its picture in a one-pixel frame of the dialog colour.
void CTapwellDlg::SetUpViewPosButton() {
    if (g_pViewPosImage != nullptr) {
        RECT rect{};
        m_btnViewPos.GetWindowRect(&rect);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        MoveWindow(m_btnViewPos.m_hWnd, rect.left - 1, rect.top - 1, g_pViewPosImage->width + 2,
                   g_pViewPosImage->height + 2, TRUE);
    }
    m_btnViewPos.m_clrBack = kDialogColor;
    m_btnViewPos.m_clrHoverBack = kViewPosHoverColor;
    if (g_pViewPosImage != nullptr) m_btnViewPos.m_pImage = g_pViewPosImage;
}

// A hotkey held by another program is reported and left unavailable; the dialog opens anyway.
void CTapwellDlg::RegisterHotkeys() {
    if (!RegisterHotKey(m_hWnd, ID_HOTKEY_START, MOD_CONTROL, VK_F1)) AfxMessageBox(L"Hotkey 'Ctrl + F1' conflict!");
    if (!RegisterHotKey(m_hWnd, ID_HOTKEY_STOP, MOD_CONTROL, VK_F2)) AfxMessageBox(L"Hotkey 'Ctrl + F2' conflict!");
}

void CTapwellDlg::LoadSettings() { LoadSettingsFile(m_hWnd, SettingsFilePath); }

void CTapwellDlg::SaveSettings() { SaveSettingsFile(m_hWnd, SettingsFilePath); }

void CTapwellDlg::UpdateCountModeControls() {
    const BOOL countMode = m_radioClickCount.IsChecked();
    m_editClickCount.EnableWindow(countMode);
    m_editClickFor.EnableWindow(!countMode);
    m_comboTimeUnit.EnableWindow(!countMode);
}

// Fixed mode unless "Click where the mouse is " is checked, so also with neither radio checked.
void CTapwellDlg::UpdateClickPointControls() {
    const BOOL fixedMode = !m_radioMousePos.IsChecked();
    m_btnStartCapture.EnableWindow(fixedMode);
    m_editX.EnableWindow(fixedMode);
    m_editY.EnableWindow(fixedMode);
    m_checkMoveMouse.EnableWindow(fixedMode);
    m_btnViewPos.EnableWindow(fixedMode);
    const PngImage* wanted = fixedMode ? g_pViewPosImage : g_pViewPosDisabledImage;
    if (wanted != nullptr) m_btnViewPos.m_pImage = wanted;
    m_btnViewPos.Invalidate(TRUE);
}

LRESULT CTapwellDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER: return OnTimer(wParam);
        case WM_CLOSE: return OnClose();
        case WM_HOTKEY: return OnHotKey(wParam);
        case WM_ERASEBKGND: return OnEraseBkgnd(this, reinterpret_cast<HDC>(wParam));
        case WM_MEASUREITEM: return OnMeasureItemMessage(wParam, lParam);
        case WM_SYSCOMMAND: return OnSysCommand(wParam);
        case WM_PAINT: return OnPaint();
        case WM_QUERYDRAGICON: return OnQueryDragIcon();
        case WM_KICKIDLE: return OnKickIdle();
        default: return CDialog::WindowProc(message, wParam, lParam);
    }
}

BOOL CTapwellDlg::OnCmdMsg(UINT id, int code, void* extra) {
    if (code == BN_CLICKED) {  // also CN_COMMAND, the code of menu commands
        switch (id) {
            case IDC_BTN_START: return RunCommand(this, &CTapwellDlg::OnBnClickedStart, extra);
            case IDC_BTN_STOP: return RunCommand(this, &CTapwellDlg::OnBnClickedStop, extra);
            case IDC_BTN_START_CAPTURE: return RunCommand(this, &CTapwellDlg::OnBnClickedStartCapture, extra);
            case IDC_RADIO_MOUSE_POS:
            case IDC_RADIO_FIXED_POINT: return RunCommand(this, &CTapwellDlg::OnClickPointMode, extra);
            case IDC_RADIO_CLICK_COUNT:
            case IDC_RADIO_CLICK_FOR: return RunCommand(this, &CTapwellDlg::OnCountMode, extra);
            case IDC_CHECK_NO_ACTIVATE: return TRUE;  // the box toggles itself
            case IDC_BTN_VIEW_POS: return RunCommand(this, &CTapwellDlg::OnBnClickedViewPos, extra);
            case ID_MENU_EXIT: return RunCommand(this, &CTapwellDlg::OnMenuExit, extra);
            case ID_MENU_ABOUT: return RunCommand(this, &CTapwellDlg::OnMenuAbout, extra);
            case ID_MENU_UPDATE: return RunCommand(this, &CTapwellDlg::OnMenuUpdate, extra);
            case ID_MENU_HELP: return RunCommand(this, &CTapwellDlg::OnMenuHelp, extra);
            default: break;
        }
    }
    return CDialog::OnCmdMsg(id, code, extra);
}

HBRUSH CTapwellDlg::OnCtlColor(CDC* dc, HWND control, UINT kind) {
    static CBrush s_brushStatic;
    return DialogCtlColor(s_brushStatic, dc, kind, CDialog::OnCtlColor(dc, control, kind));
}

// The start hotkey posts a press of Start; the stop hotkey asks the run in progress to end.
LRESULT CTapwellDlg::OnHotKey(WPARAM id) {
    if (id == ID_HOTKEY_START) PostMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_START, BN_CLICKED), 0);
    if (id == ID_HOTKEY_STOP) m_bStopRequested = TRUE;
    return Default();
}

// Every way of closing ends here: a run in progress ends, the hotkeys are released.
LRESULT CTapwellDlg::OnClose() {
    m_bStopRequested = TRUE;
    UnregisterHotKey(m_hWnd, ID_HOTKEY_START);
    UnregisterHotKey(m_hWnd, ID_HOTKEY_STOP);
    EndDialog(IDCANCEL);
    return 0;
}

// Sizes the owner-drawn items of the menu bar's drop-down menus.
LRESULT CTapwellDlg::OnMeasureItemMessage(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    OnMeasureItem(static_cast<int>(wParam), item);
    CMenuEx::MeasureMenuItem(item);
    return TRUE;
}
