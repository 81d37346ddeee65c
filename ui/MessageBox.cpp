// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBox.h"
#include <QMessageBox>

namespace kotsu {

namespace {
struct Script {
    bool on = false;
    QList<MessageBox::Answer> answers;
    QList<MessageBox::Record> log;
};
Script& script() {
    static Script s;
    return s;
}

MessageBox::Answer firstButton(MessageBox::Buttons b) {
    return b == MessageBox::Buttons::YesNo ? MessageBox::Answer::Yes : MessageBox::Answer::Ok;
}
} // namespace

MessageBox::Answer MessageBox::show(QWidget* parent, const QString& text, const QString& title,
                                    Icon icon, Buttons buttons,
                                    std::optional<Answer> defaultAnswer) {
    const Answer preset = defaultAnswer.value_or(firstButton(buttons));
    Script& s = script();
    if (s.on) {
        s.log.append({text, title, icon, buttons});
        return s.answers.isEmpty() ? preset : s.answers.takeFirst();
    }
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    text, QMessageBox::NoButton, parent);
    // Names and comments are shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(preset == Answer::Cancel ? QMessageBox::Cancel : QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(preset == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

void MessageBox::setScripted(bool scripted) {
    script().on = scripted;
}
void MessageBox::pushAnswer(Answer answer) {
    script().answers.append(answer);
}
QList<MessageBox::Record>& MessageBox::log() {
    return script().log;
}
void MessageBox::reset() {
    script().answers.clear();
    script().log.clear();
}

} // namespace kotsu
