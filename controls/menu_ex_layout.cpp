#include "controls/menu_ex_layout.h"

namespace menu_layout {

namespace {

constexpr int kCommandPadding = 10;
constexpr int kSubmenuPadding = 25;  // leaves room for the submenu's arrow
constexpr int kColumnExtra = 2;      // the icon column is this much wider than the picture
constexpr int kTextIndent = 10;      // from the picture's right edge to the text
constexpr int kTickRaise = 4;

}  // namespace

int RecordedWidth(int textWidth, bool submenu) { return textWidth + (submenu ? kSubmenuPadding : kCommandPadding); }

Size MeasuredSize(int recordedWidth, int recordedHeight, bool separator, const Size* image) {
    Size size{recordedWidth, recordedHeight};
    if (separator) return size;
    const Size room = image != nullptr ? *image : Size{kDefaultImageSize, kDefaultImageSize};
    size.cx += room.cx;
    size.cy += room.cy;
    return size;
}

Rect IconColumn(const Rect& item, int iconWidth) {
    return {item.left, item.top, item.left + iconWidth + kColumnExtra, item.bottom};
}

Rect SeparatorLine(const Rect& item, int iconWidth) {
    const int y = item.top + (item.bottom - item.top) / 2 - 1;
    return {item.left + iconWidth + kTextIndent, y, item.right, y + 1};
}

Rect TextBox(const Rect& item, int iconWidth, int textHeight) {
    return {item.left + iconWidth + kTextIndent, item.top + (item.bottom - textHeight - item.top) / 2, item.right,
            item.bottom};
}

Rect IconBox(const Rect& item, int iconWidth, int iconHeight) {
    return {item.left + 1, item.top + 1, item.left + 1 + iconWidth, item.top + 1 + iconHeight};
}

Point TickOrigin(const Rect& box, const Size& tick) {
    return {box.left + (box.right - box.left - tick.cx) / 2,
            box.top + (box.bottom - box.top - tick.cy) / 2 - kTickRaise};
}

bool ShowsSelection(bool separator, const ItemState& state) {
    return !separator && state.selected && !state.grayed && !state.disabled;
}

TextColor PickTextColor(const ItemState& state) {
    if (state.grayed) return TextColor::Grayed;
    return state.selected ? TextColor::Selected : TextColor::Normal;
}

ImageSource PickImageList(bool hasNormal, bool hasDisabled, bool hasHot, const ItemState& state) {
    if (state.grayed && hasDisabled) return ImageSource::Disabled;
    if (state.selected && hasHot) return ImageSource::Hot;
    return hasNormal ? ImageSource::Normal : ImageSource::None;
}

int LastMatch(uint32_t id, const uint32_t* ids, int count) {
    if (ids == nullptr) return -1;
    for (int i = count - 1; i >= 0; --i) {
        if (ids[i] == id) return i;
    }
    return -1;
}

}  // namespace menu_layout
