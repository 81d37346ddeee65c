// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialog.h"
#include <QFileDialog>

namespace kotsu {

namespace {
struct Script {
    bool on = false;
    QStringList names;
    QStringList filters;
};
Script& script() {
    static Script s;
    return s;
}

QString scripted(const QString& filter) {
    script().filters << filter;
    return script().names.isEmpty() ? QString() : script().names.takeFirst();
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

QString FileDialog::getSaveFileName(QWidget* parent, const QString& filter) {
    if (script().on)
        return scripted(filter);
    const QStringList filters = nameFilters(filter);
    return QFileDialog::getSaveFileName(parent, QString(), QString(),
                                        filters.join(QStringLiteral(";;")), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString FileDialog::getOpenFileName(QWidget* parent, const QString& filter) {
    if (script().on)
        return scripted(filter);
    const QStringList filters = nameFilters(filter);
    return QFileDialog::getOpenFileName(parent, QString(), QString(),
                                        filters.join(QStringLiteral(";;")));
}

void FileDialog::setScripted(bool scripted) {
    script().on = scripted;
}
void FileDialog::pushFileName(const QString& path) {
    script().names << path;
}
QStringList& FileDialog::askedFilters() {
    return script().filters;
}

} // namespace kotsu
