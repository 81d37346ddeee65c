// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys as a user presses them: always to whatever holds the keyboard focus.
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

namespace kotsu::test {

inline QWidget* focused() {
    return QApplication::focusWidget();
}

inline void type(const QString& text) {
    QTest::keyClicks(focused(), text);
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QVERIFY2(focused(), "no widget has the keyboard focus");
    QTest::keyClick(focused(), key, modifiers);
}

// Japanese text arrives from the input method as a committed string.
inline void commit(const QString& text) {
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(focused(), &e);
}

} // namespace kotsu::test
