// A push button that paints a picture with per-pixel transparency and changes colour on hover.
#pragma once

#include <windows.h>

#include "controls/png_decode.h"
#include "framework/controls.h"
#include "framework/dc.h"

// Owner-drawn button: a flat background, a PNG picture and an optional caption under it. While the
// pointer rests over it the background takes the hover colour; while pressed the content moves one
// pixel right and down. What a click does is the owner's business.
class CHoverBitmapButton : public CButton {
public:
    CHoverBitmapButton();

    BOOL m_bHighlightAlways;           // paint the hover background even without the pointer over it
    BOOL m_bShiftImage;                // caption-less layout: the picture one more pixel right and down
    BOOL m_bNoPressShift;              // pressing does not move the content
    BOOL m_bShowCaption;               // draw the window text as a caption
    COLORREF m_clrHoverBack;           // hover background
    COLORREF m_clrBack;                // normal background
    const PngImage* m_pDisabledImage;  // borrowed; for the disabled state, null: m_pImage
    BOOL m_bHovering;                  // the pointer rests over the button
    BOOL m_bTracking;                  // hover and leave notifications have been requested
    COLORREF m_clrText;                // caption colour; kNoTextColor leaves the context's
    const PngImage* m_pImage;          // borrowed; the picture of every other state
    HBITMAP m_hHoverBitmap;            // borrowed; painted instead of the hover colour when set

    static constexpr COLORREF kNoTextColor = 0xFFFFFFFF;
    // Rows at the bottom of the button that hold the caption.
    static constexpr int kCaptionHeight = 21;
    // Top of the picture when there is a caption.
    static constexpr int kCaptionImageTop = 5;

    void DrawItem(DRAWITEMSTRUCT* item) override;
    // Paints the base background of `rect`; a subclass may paint another one.
    virtual void DrawBackground(CDC* dc, RECT* rect);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

private:
    void DrawHoverBackground(CDC* dc, const RECT& rect);
    void DrawPicture(CDC* dc, const PngImage* image, RECT& rect, bool pressed, bool withCaption);
    LRESULT OnMouseMove();
    LRESULT OnMouseHover();
    LRESULT OnMouseLeave();
};
