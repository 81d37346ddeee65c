// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialog.h"
#include <QFileDialog>

namespace kotsu {

namespace {
struct Script {
    bool on = false;
    QList<std::pair<QString, QString>> names; // file name, chosen pattern
    QStringList filters;
};
Script& script() {
    static Script s;
    return s;
}

QStringList patterns(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 1; i < parts.size(); i += 2)
        out << parts[i];
    return out;
}

QString scripted(const QString& filter, QString* chosenPattern) {
    script().filters << filter;
    if (script().names.isEmpty())
        return QString();
    const auto [name, pattern] = script().names.takeFirst();
    if (chosenPattern)
        *chosenPattern = pattern.isEmpty() ? patterns(filter).value(0) : pattern;
    return name;
}
} // namespace

QStringList FileDialog::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        // A description that already names its pattern is shown as it stands.
        out << (parts[i].endsWith(pattern) ? parts[i] : parts[i] + QLatin1Char(' ') + pattern);
    }
    return out;
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& filter,
                                    QString* chosenPattern) {
    if (script().on)
        return scripted(filter, chosenPattern);
    const QStringList filters = nameFilters(filter);
    QString chosen;
    // The caller asks before replacing a file, once it knows the name's extension.
    const QString path = QFileDialog::getSaveFileName(parent, QString(), QString(),
                                                      filters.join(QStringLiteral(";;")), &chosen,
                                                      QFileDialog::DontConfirmOverwrite);
    if (chosenPattern)
        *chosenPattern = patterns(filter).value(qMax(0, filters.indexOf(chosen)));
    return path;
}

QString FileDialog::getOpenFileName(QWidget* parent, const QString& filter) {
    if (script().on)
        return scripted(filter, nullptr);
    const QStringList filters = nameFilters(filter);
    return QFileDialog::getOpenFileName(parent, QString(), QString(),
                                        filters.join(QStringLiteral(";;")));
}

void FileDialog::setScripted(bool scripted) {
    script().on = scripted;
}
void FileDialog::pushFileName(const QString& path, const QString& chosenPattern) {
    script().names.append({path, chosenPattern});
}
QStringList& FileDialog::askedFilters() {
    return script().filters;
}

} // namespace kotsu
