// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KeyHabits.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace kotsu {

namespace {

// Qt's menu bar enters keyboard mode on a lone Alt only where the style asks for it.
class AltNavigationStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
    // Some styles highlight a menu title only while its menu is open; in keyboard mode (the
    // bar has the focus) the title the arrows are on must show too.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget &&
            widget->hasFocus()) {
            QStyleOptionMenuItem shown = *item;
            shown.state |= State_Sunken;
            QProxyStyle::drawControl(element, &shown, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || (key != Qt::Key_Return && key != Qt::Key_Enter))
            return false;
        button->click();
        return true;
    }
};

// The menu bar's own path for a lone Alt: an Alt override, then its release. (The event of
// the Alt key itself reports Alt as toggled, so it is built without it.)
void enterMenuBar(QMainWindow* window) {
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &release);
}

} // namespace

void enableMenuBarKeys(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    auto* style = new AltNavigationStyle;
    style->setParent(bar);
    bar->setStyle(style);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, bar, [window] { enterMenuBar(window); });
}

void pressFocusedButtonOnEnter(QWidget* window) {
    auto* filter = new EnterPresses(window);
    for (QPushButton* b : window->findChildren<QPushButton*>())
        b->installEventFilter(filter);
}

} // namespace kotsu
