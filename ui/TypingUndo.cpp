// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TypingUndo.h"
#include <QKeyEvent>
#include <QLineEdit>

namespace kotsu {

namespace {

enum class UndoKey { None, Undo, Redo };

UndoKey undoKey(const QKeyEvent* e) {
    const QKeyCombination k = e->keyCombination();
    if (k == QKeyCombination(Qt::ControlModifier, Qt::Key_Z))
        return UndoKey::Undo;
    if (k == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        k == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return UndoKey::Redo;
    return UndoKey::None;
}

// A text box claims these keys whenever it is editable, even with nothing to undo: then
// they must reach the window's shortcuts instead.
class TypingFirst : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        auto* box = qobject_cast<QLineEdit*>(watched);
        const UndoKey key = undoKey(static_cast<QKeyEvent*>(event));
        if (!box || box->isReadOnly() || key == UndoKey::None)
            return false;
        const bool typed = key == UndoKey::Undo ? box->isUndoAvailable() : box->isRedoAvailable();
        if (event->type() == QEvent::ShortcutOverride) {
            event->setAccepted(typed);
            return true;
        }
        // Ctrl+Y is not every platform's redo key: the box is told directly.
        if (typed)
            key == UndoKey::Undo ? box->undo() : box->redo();
        return true;
    }
};

} // namespace

void leaveUndoKeysToWindowWhenNothingTyped(QWidget* window) {
    auto* filter = new TypingFirst(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>())
        if (box->window() == window)
            box->installEventFilter(filter);
}

} // namespace kotsu
