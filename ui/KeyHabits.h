// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard habits users bring from the platform the program comes from.

class QMainWindow;
class QWidget;

namespace kotsu {

// F10, and Alt pressed and released alone, put the keyboard into the menu bar.
void enableMenuBarKeys(QMainWindow* window);

// Enter on a focused button presses it, in a window whose buttons are not auto-default.
void pressFocusedButtonOnEnter(QWidget* window);

} // namespace kotsu
