// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace kotsu {

// Every message box of the program goes through here, so tests can answer them.
class MessageBox {
public:
    enum class Icon { None, Critical };
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };
    struct Record {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    // The default answer is the first button's unless another is named.
    static Answer show(QWidget* parent, const QString& text, const QString& title,
                       Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
                       std::optional<Answer> defaultAnswer = std::nullopt);
    // A critical error with one OK button: the program's style for refused input.
    static void error(QWidget* parent, const QString& text, const QString& title) {
        show(parent, text, title, Icon::Critical, Buttons::Ok);
    }

    // Test seam: while scripted nothing is shown; answers are taken in order, and when
    // none is left the default button of the box is the answer.
    static void setScripted(bool scripted);
    static void pushAnswer(Answer answer);
    static QList<Record>& log();
    static void reset();
};

} // namespace kotsu
