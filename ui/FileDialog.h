// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace kotsu {

// File choice, given the old "description|pattern|..." filter. Empty when cancelled.
class FileDialog {
public:
    // chosenPattern, when given, receives the pattern of the filter chosen ("*.csv").
    static QString getSaveFileName(QWidget* parent, const QString& filter,
                                   QString* chosenPattern = nullptr);
    static QString getOpenFileName(QWidget* parent, const QString& filter);
    static QStringList nameFilters(const QString& filter);

    // Test seam: the next answers, in order; the filters asked for are kept. Without a
    // pattern, the first filter is the one chosen.
    static void setScripted(bool scripted);
    static void pushFileName(const QString& path, const QString& chosenPattern = {});
    static QStringList& askedFilters();
};

} // namespace kotsu
