// Geometry of the item list dialog, in twips: its design layout, the
// collapse of unused footer lines, and the rules that make the controls
// follow the size of the dialog.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/list_dialog.h"

namespace lumo::dialog {

// Below these client sizes the resize rules leave that direction alone.
inline constexpr int32_t kMinArrangedWidth = 7005;
inline constexpr int32_t kMinArrangedHeight = 5385;

// The controls as designed: a client area of 9795 x 6105 twips, empty texts
// and captions, every button visible.
ListDialogControls DesignLayout();

// Shrinks the bottom panel by the height of the footer lines that have no
// text: nothing when the first footer has text, one footer height when only
// the second has, two when neither has. The separator and the buttons move
// up with it; the labels stay.
void CollapseFooters(ListDialogControls& controls);

// What the form does before its own resize rules: the panel stays docked at
// the bottom edge, full width.
void DockPanel(ListDialogControls& controls);

// The resize rules for the client size in `controls`: from 7005 twips wide
// the grid keeps equal margins and the buttons line up at the right edge of
// the panel, showing those of showType (0: Yes and No; 2: one button,
// captioned okCaption; any other: all four); from 5385 twips high the grid
// fills the height above the panel.
void ArrangeControls(ListDialogControls& controls, int32_t showType, const std::string& okCaption);

}  // namespace lumo::dialog
