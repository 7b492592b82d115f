// The fight HUD's pictures: bar frames, the screen border, the rage badge,
// the combo readout and the controller-button icons.
#pragma once

#include <string>

#include "core/canvas.h"

namespace datagen
{
// A bar's window inside its frame, where the game paints the bar itself.
struct BarWindow
{
    int x, y, w, h;
};
constexpr BarWindow kHealthBarWindow{8, 8, 274, 5};
constexpr BarWindow kPowerBarWindow{8, 8, 180, 5};
// The weapon screen's experience bar.
constexpr BarWindow kWeaponExpBarWindow{8, 8, 114, 5};

// data/hpBar, data/hpBarReverse, data/powBar, data/border,
// data/screens/ui/rage, data/comboNum (blank, then 0..9) and data/comboText
// (blank, then the caption).
bool writeFightHud(const std::string& dataDir);

// data/screens/ui/buttons and data/screens/ui/fadedButtons: A, B, C, then the
// down, left, up and right arrows; the faded set is the same icons greyed.
bool writeButtonIcons(const std::string& dataDir);
// One bright icon of that set, 18x18, by its frame number.
Canvas buttonIcon(int index);
} // namespace datagen
