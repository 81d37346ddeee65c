// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the ledger's steps, from the edit menu and Ctrl+Z, Ctrl+Y.
#include "app/FlexGrid.h"
#include "app/Form1.h"
#include "ledger/ErrorText.h"
#include "ui/MessageBox.h"
#include <QAction>

namespace kotsu {

void Form1::showUndoSteps() {
    const QString undo = history_.undoName();
    const QString redo = history_.redoName();
    MnuUndo->setText(undo.isEmpty() ? QStringLiteral("元に戻す(&U)")
                                    : QStringLiteral("元に戻す：%1(&U)").arg(undo));
    MnuRedo->setText(redo.isEmpty() ? QStringLiteral("やり直し(&R)")
                                    : QStringLiteral("やり直し：%1(&R)").arg(redo));
    MnuUndo->setEnabled(!readOnly() && !undo.isEmpty());
    MnuRedo->setEnabled(!readOnly() && !redo.isEmpty());
}

void Form1::MnuUndo_Click() {
    if (!mayWrite())
        return;
    try {
        showStepDone(history_.undo(ledgerPath_));
    } catch (const LedgerError& e) {
        MessageBox::error(this,
                          QStringLiteral("元に戻せませんでした！！\n%1\n変更の履歴は消去しました。")
                              .arg(japaneseDescription(e)),
                          QStringLiteral("元に戻すエラー"));
    }
}

void Form1::MnuRedo_Click() {
    if (!mayWrite())
        return;
    try {
        showStepDone(history_.redo(ledgerPath_));
    } catch (const LedgerError& e) {
        MessageBox::error(this,
                          QStringLiteral("やり直せませんでした！！\n%1\n変更の履歴は消去しました。")
                              .arg(japaneseDescription(e)),
                          QStringLiteral("やり直しエラー"));
    }
}

void Form1::showStepDone(const StepOutcome& outcome) {
    reloadAll();
    const int row = outcome.entryId ? Flx明細->rowOfKey(0, outcome.entryId) : -1;
    if (row < 1)
        return;
    setEntryCurrent(row, Flx明細->col());
    Flx明細->scrollTo(Flx明細->currentIndex());
}

} // namespace kotsu
