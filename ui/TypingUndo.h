// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) in a text box undo and redo its typing while it has
// typing to undo or redo; otherwise the keys go on to the window's own undo and redo.

class QWidget;

namespace kotsu {

// For every text box of the window itself, not of the dialogs it owns.
void leaveUndoKeysToWindowWhenNothingTyped(QWidget* window);

} // namespace kotsu
