// SPDX-License-Identifier: GPL-3.0-or-later
// The comment phrase lists of the registration band and of the entry editor.
#include "app/Form1.h"
#include "dialogs/Form3.h"
#include "ledger/Database.h"
#include "ledger/PhraseUse.h"
#include "ledger/Queries.h"
#include "ledger/Reset.h"
#include "ui/QuickFill.h"
#include <QComboBox>

namespace kotsu {

void Form1::Subコメント読み込み() {
    // Read first: a failed read leaves the lists as they were.
    QStringList phrases;
    {
        Database db(ledgerPath_);
        walkCounted(db, QStringLiteral("Select * From コメントテーブル Order by ID Asc"),
                    QStringLiteral("Select count(ID) as RecCnt From コメントテーブル"),
                    [&](Recordset& rs) { phrases << rs.text(QStringLiteral("コメント名前")); });
    }
    // The editor's typed text survives; only its list is refilled.
    const QString editorText = form3_->Cmb登録コメント->currentText();
    Cmb登録コメント->clear();
    form3_->Cmb登録コメント->clear();
    Cmb登録コメント->addItems(phrases);
    form3_->Cmb登録コメント->addItems(phrases);
    form3_->Cmb登録コメント->setEditText(editorText);
    Cmb登録コメント->setEditText(QString());
    // Registrations and edits change which phrase was used last.
    phraseUsesRead_ = false;
    phraseUses_.clear();
    commentFill_->forget();
    form3_->commentFill->forget();
}

QStringList Form1::phraseOrder() {
    if (!phraseUsesRead_) {
        // Read once per reload, even when it fails: typing never brings the error back.
        phraseUsesRead_ = true;
        guarded([this] {
            Database db(ledgerPath_);
            phraseUses_ = phrasesByLatestUse(db);
        });
    }
    QStringList out;
    out.reserve(phraseUses_.size());
    for (const PhraseUse& u : phraseUses_)
        out << u.phrase;
    return out;
}

void Form1::SubDB初期化() {
    // Not a step: its backup is the way back, and no older step fits the empty ledger.
    history_.clear();
    resetLedger(ledgerPath_);
}

} // namespace kotsu
