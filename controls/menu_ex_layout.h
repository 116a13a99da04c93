// Geometry and choices of the owner-drawn menu items, free of Win32 so they are tested natively:
// the size of an item, the rectangles of its parts, and which colour and image list it uses.
#pragma once

#include <cstdint>

namespace menu_layout {

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

struct Size {
    int cx;
    int cy;
};

struct Point {
    int x;
    int y;
};

// The drawing state of an item, from its ODS_* flags.
struct ItemState {
    bool selected;
    bool grayed;
    bool disabled;
    bool checked;
};

// The picture room of an item whose menu has no image list.
constexpr int kDefaultImageSize = 20;
// Height recorded for a text item; the picture's height is added when measuring.
constexpr int kTextItemHeight = 2;

// The width recorded for a text item: its text plus room after it (more for a submenu's arrow).
int RecordedWidth(int textWidth, bool submenu);

// The size answered for WM_MEASUREITEM: the recorded size, plus the picture room for text items.
// `image` is the size of the menu's first image, or null when the menu has no image list.
Size MeasuredSize(int recordedWidth, int recordedHeight, bool separator, const Size* image);

// The lighter column on the left that holds the check box or the picture.
Rect IconColumn(const Rect& item, int iconWidth);
// The one-pixel line of a separator, from the text's left edge to the item's right edge.
Rect SeparatorLine(const Rect& item, int iconWidth);
// Where the text of an item is drawn, its top chosen to centre a line `textHeight` high.
Rect TextBox(const Rect& item, int iconWidth, int textHeight);
// The check box or picture, one pixel in from the item's top-left corner.
Rect IconBox(const Rect& item, int iconWidth, int iconHeight);
// Where the tick character starts: centred in the box, then raised by four pixels.
Point TickOrigin(const Rect& box, const Size& tick);

// Whether the selection rectangle is drawn: selected items that can be chosen, never separators.
bool ShowsSelection(bool separator, const ItemState& state);

// The colour of an item's text or tick.
enum class TextColor { Grayed, Selected, Normal };
TextColor PickTextColor(const ItemState& state);

// Which of the three image lists pictures an item; None when the chosen one is missing.
enum class ImageSource { None, Normal, Disabled, Hot };
ImageSource PickImageList(bool hasNormal, bool hasDisabled, bool hasHot, const ItemState& state);

// The position of the last of `ids` equal to `id`, or -1 when none is.
int LastMatch(uint32_t id, const uint32_t* ids, int count);

}  // namespace menu_layout
