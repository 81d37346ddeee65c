// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QStringList>
#include <functional>

class QComboBox;
class QListWidget;

namespace kotsu {

// The phrases holding what was typed in an editable combo box, listed under it. The list
// never takes the focus and never changes the typed text: only a picked row (Down then
// Enter, or a click) goes into the box. Down opens it, Escape closes it.
class QuickFill : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxRows = 10;

    explicit QuickFill(QComboBox* box);
    ~QuickFill() override;

    // The phrases in the order offered, asked for when first needed after forget().
    void setSource(std::function<QStringList()> source);
    void forget();

    bool isOpen() const;
    QListWidget* list() const { return list_; }

    // The phrases holding every word typed, widths, case and kana aside.
    static QStringList matches(const QStringList& phrases, const QStringList& folded,
                               const QString& typed);

signals:
    void picked(const QString& phrase);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typed(const QString& text);
    void open(const QString& text);
    void close();
    void move(int step);
    void pick(int row);
    void place();

    QComboBox* box_;
    QListWidget* list_;
    std::function<QStringList()> source_;
    bool read_ = false;
    QStringList phrases_;
    QStringList folded_;
};

} // namespace kotsu
