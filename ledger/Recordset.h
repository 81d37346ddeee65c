// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace kotsu {

class Database;
class Statement;

// A result read whole at opening, positioned on its first row. Rows can be deleted,
// edited and appended; what a row writes goes to the table the result came from.
class Recordset {
public:
    Recordset(Database& db, const QString& translatedSql, const QString& source);
    Recordset(Recordset&&) noexcept;
    ~Recordset();

    // Field names compare without regard to letter case ("RecCnt" reads as "reccnt").
    QVariant value(const QString& field) const;
    QString text(const QString& field) const;
    qint64 number(const QString& field) const;
    bool isNull(const QString& field) const;

    void moveNext() { ++pos_; }
    bool atEnd() const { return pos_ >= rows_.size(); }

    void addNew();
    void edit();
    void setValue(const QString& field, const QVariant& value);
    void update();
    void deleteCurrent();
    void close();

private:
    int column(const QString& field) const;
    const QList<QVariant>& current() const;

    Database* db_;
    QString source_;
    QStringList columns_;
    QList<QList<QVariant>> rows_;
    int pos_ = 0;
    enum class Mode { Browse, Adding, Editing } mode_ = Mode::Browse;
    QList<QPair<QString, QVariant>> pending_;
    // Appending many rows reuses one prepared statement.
    QString insertSql_;
    std::unique_ptr<Statement> insert_;
};

} // namespace kotsu
