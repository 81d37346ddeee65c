// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/LedgerLocation.h"
#include "ledger/EntryList.h"
#include "ledger/LedgerError.h"
#include "ledger/PhraseUse.h"
#include "ledger/UndoHistory.h"
#include "ui/ErrorReport.h"
#include "ui/MainPort.h"
#include <QDate>
#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <QStringList>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace kotsu {

class CategoryCommands;
class EntryCommands;
class ExchangeCommands;
class FlexGrid;
class Form3;
class Form7;
class QuickFill;

// The main window: one period of the ledger, its entries, the category summary, the
// totals, and the registration band. It lives for the whole run.
class Form1 : public QMainWindow, public MainPort {
    Q_OBJECT
public:
    explicit Form1(const QString& ledgerPath, LedgerAccess access = LedgerAccess::ReadWrite,
                   QWidget* parent = nullptr);
    ~Form1() override;

    // Read-only ledgers. A command that writes registers its action here: while the ledger
    // is read-only it is greyed and its keys do nothing. Its handler still asks mayWrite().
    bool readOnly() const { return access_ == LedgerAccess::ReadOnly; }
    void addWriteAction(QAction* action);

    // Period state.
    QString Tag;
    QDate Dat期間開始;
    QDate Dat期間終了;

    // Registration band.
    QMap<int, QLabel*> Label2;
    QLabel* Lbl登録日付;
    QPushButton* Btn日付;
    QComboBox* Cmb登録科目;
    QLineEdit* Txt登録金額;
    QComboBox* Cmb登録コメント;
    QPushButton* Cmb登録;
    // List band.
    QLabel* Lbl明細日付;
    QPushButton* Command1;
    QComboBox* Cmb明細科目;
    QPushButton* Command2;
    QPushButton* Command3;
    // Grids.
    FlexGrid* Flx明細;
    FlexGrid* FLx科目;
    // Summary band.
    QLabel* Lbl集計収入;
    QLabel* Lbl集計支出;
    QLabel* Lbl集計合計;
    QLabel* Lbl集計予算;
    QLabel* Lbl集計支出2;
    QLabel* Lbl集計差額;
    QLabel* Lbl集計残高;
    // Menus.
    QAction* MnuUndo;
    QAction* MnuRedo;
    QAction* MnuExp;
    QAction* MnuInp;
    QAction* MnuEnd;
    QAction* MnuMeiFind;
    QAction* MnuKamNew; // the popup's 新規追加, from the 編集 menu
    QAction* MnuKom;
    QAction* MnuGraph;
    QAction* MnuTeiki;
    QAction* MnuMitouroku;
    QAction* MnuCls;
    QAction* MnuVer;
    QMenu* MnuMeiPop;
    QMenu* MnuKamPop;
    QAction* MnuMeiEdit;
    QAction* MnuMeiDel;
    QAction* MnuIkkatu;
    QAction* MnuKamAdd;
    QAction* MnuKamEdit;
    QAction* MnuKamDel;

    // Dialogs the reloads fill; they live as long as this window.
    Form3* form3() const { return form3_; }
    Form7* form7() const { return form7_; }
    // Category IDs in summary row order (row r holds element r - 1).
    QStringList 科目IDs;

    // Reload routines.
    void SubDB読み込み(const QDate& StYMD, const QDate& EdYMD);
    void Sub明細読み込み(const QDate& StYMD, const QDate& EdYMD);
    void Sub科目読み込み(const QDate& StYMD, const QDate& EdYMD);
    void Subコメント読み込み();
    void SubDB初期化();

    // Handlers.
    void Cmb登録_Click();
    // A phrase picked from the quick fill brings its latest entry's category and amount.
    void Cmb登録コメント_Picked(const QString& phrase);
    void Btn日付_Click();
    void Command1_Click();
    void Command2_Click();
    void MnuGraph_Click();
    void MnuVer_Click();
    void MnuUndo_Click();
    void MnuRedo_Click();
    void FLx科目_MouseDown(int button);
    void Flx明細_MouseDown(int button);
    // Rows of the entry list could not be read: once per reload, after the paint.
    void Flx明細_ReadFailed(const QString& why);

    // MainPort.
    QWidget* window() override { return this; }
    QString ledgerPath() const override { return ledgerPath_; }
    bool mayWrite() override;
    UndoHistory& undoHistory() override { return history_; }
    QString tag() const override { return Tag; }
    void setTag(const QString& tag) override { Tag = tag; }
    QString registrationDate() const override;
    void setRegistrationDate(const QString& date) override;
    QString listDate() const override;
    QString entryEditorDate() const override;
    void setEntryEditorDate(const QString& date) override;
    QDate periodStart() const override { return Dat期間開始; }
    QDate periodEnd() const override { return Dat期間終了; }
    int entryRows() const override;
    int entryRow() const override;
    QString entryCell(int row, int col) const override;
    qint64 entryNumber(int row, int col) const override;
    void setEntryCurrent(int row, int col) override;
    qint64 entryId(int row) const override;
    qint64 entryCategoryId(int row) const override;
    int summaryRows() const override;
    int summaryRow() const override;
    QString summaryCell(int row, int col) const override;
    qint64 summaryNumber(int row, int col) const override;
    qint64 summaryCategoryId(int row) const override;
    QStringList commentPhrases() const override;
    void showEntryInMonth(const QDate& date, qint64 entryId) override;
    void resetData() override { SubDB初期化(); }
    void reloadAll() override;
    void reloadCategories() override;
    void reloadEntries() override;
    void reloadComments() override;

protected:
    // What fell due while the program was closed is proposed once the window is up.
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildRegistrationBand(QWidget* host);
    void buildListBand(QWidget* host);
    void buildGrids(QWidget* host);
    void buildSummaryBand(QWidget* host);
    void buildMenus();
    void buildPopups();
    void setTabOrder();
    void startUp();
    void Sub初期化1();
    void Sub初期化2();
    void Sub明細初期化();
    void Sub科目初期化();
    void openPopup(QMenu* menu, FlexGrid* grid, bool atCursor);
    // A reload reads everything first and changes what is shown only once all of it was
    // read, so a failure leaves the window as it was.
    struct EntryListRead {
        PeriodList listed;
        qint64 allIncome = 0;
        qint64 allExpense = 0;
    };
    struct CategoriesRead {
        struct Row {
            qint64 id;
            QString name;
            QString sign;
            qint64 budget;
        };
        QList<Row> rows;
        QHash<qint64, qint64> totals;
        int budgetMonths = 1;
    };
    EntryListRead readEntryList(const QDate& StYMD, const QDate& EdYMD) const;
    void showEntryList(EntryListRead read);
    CategoriesRead readCategories(const QDate& StYMD, const QDate& EdYMD) const;
    void showCategories(const CategoriesRead& read);
    void showUndoSteps();
    void showStepDone(const StepOutcome& outcome);
    // Runs a handler; a failing database operation is reported, never thrown past Qt.
    // False when it failed.
    template <typename F> bool guarded(F&& handler);

    QString ledgerPath_;
    LedgerAccess access_;
    bool proposedAtStart_ = false;
    // An input method's preedit in the comment box: its Enter confirms the conversion.
    bool composingComment_ = false;
    // The phrases in quick-fill order, read when first typed after a reload.
    QStringList phraseOrder();
    QList<PhraseUse> phraseUses_;
    bool phraseUsesRead_ = false;
    // A category chosen by hand since the last reload is never overridden by a phrase.
    bool categoryChosen_ = false;
    QuickFill* commentFill_;
    UndoHistory history_;
    Form3* form3_;
    Form7* form7_;
    std::unique_ptr<CategoryCommands> categoryCommands_;
    std::unique_ptr<EntryCommands> entryCommands_;
    std::unique_ptr<ExchangeCommands> exchangeCommands_;
};

template <typename F> bool Form1::guarded(F&& handler) {
    try {
        handler();
        return true;
    } catch (const LedgerError& e) {
        reportLedgerError(this, e);
        return false;
    }
}

// Text colour of a total: red (255) when negative, black (0) otherwise.
void setTotalColour(QLabel* label, qint64 value);

} // namespace kotsu
