// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "graph/GraphMod.h"
#include "graph/PainterSurface.h"
#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;

namespace kotsu {

class MainPort;

// The category summary as the charts read it, in grid order.
struct SummaryLists {
    QList<ChartItem> income, expense;
};

// One chart at a time for the main window's period.
class Form5 : public QDialog {
    Q_OBJECT
public:
    Form5(MainPort& main, QWidget* parent = nullptr);

    QPushButton* Command1; // kind 1, ratio
    QPushButton* Command2; // kind 2, income
    QPushButton* Command4; // kind 3, expense
    QPushButton* Command3; // kind 4, year by month
    QPushButton* Command5; // kind 5, categories by month
    QPushButton* Cmb登録;  // close
    QLabel* Lblタイトル;
    QLabel* Lbl年月日表示;

    void Subグラフ描画(int IntMode);
    // Draws on any surface; the window passes its own.
    void drawOn(Surface& surface, int kind);
    SummaryLists readSummary();
    const QImage& picture() const { return surface_.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString periodCaption() const;
    QString yearCaption() const;
    void drawRatio(Surface& s);
    void drawYearByMonth(Surface& s);
    void drawCategoriesByMonth(Surface& s);

    MainPort& main_;
    PainterSurface surface_;
};

} // namespace kotsu
