// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QuickFill.h"
#include "common/SearchFold.h"
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

namespace kotsu {

QuickFill::QuickFill(QComboBox* box) : QObject(box), box_(box) {
    // A window of its own, so it is never cut by a small dialog; one that neither takes the
    // focus nor grabs the keyboard, so the box keeps every key and the window's shortcuts.
    list_ = new QListWidget(box->window());
    list_->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    list_->setAttribute(Qt::WA_ShowWithoutActivating);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { pick(list_->row(item)); });
    connect(box->lineEdit(), &QLineEdit::textEdited, this, &QuickFill::typed);
    box->installEventFilter(this);
    box->window()->installEventFilter(this);
}

QuickFill::~QuickFill() {
    delete list_;
}

void QuickFill::setSource(std::function<QStringList()> source) {
    source_ = std::move(source);
    forget();
}

void QuickFill::forget() {
    close();
    read_ = false;
    phrases_.clear();
    folded_.clear();
}

bool QuickFill::isOpen() const {
    return list_->isVisible();
}

QStringList QuickFill::matches(const QStringList& phrases, const QStringList& folded,
                               const QString& typed) {
    const QStringList words = searchWords(typed);
    QStringList out;
    for (qsizetype i = 0; i < phrases.size() && out.size() < MaxRows; ++i)
        if (containsAllWords(folded[i], words))
            out << phrases[i];
    return out;
}

void QuickFill::typed(const QString& text) {
    if (text.trimmed().isEmpty())
        close();
    else
        open(text);
}

void QuickFill::open(const QString& text) {
    if (!read_ && source_) {
        phrases_ = source_();
        folded_.clear();
        folded_.reserve(phrases_.size());
        for (const QString& p : phrases_)
            folded_ << foldForSearch(p);
        read_ = true;
    }
    const QStringList rows = matches(phrases_, folded_, text);
    if (rows.isEmpty()) {
        close();
        return;
    }
    list_->clear();
    list_->addItems(rows);
    list_->setCurrentRow(-1);
    list_->setFont(box_->font());
    place();
    list_->show();
}

void QuickFill::close() {
    list_->hide();
}

void QuickFill::place() {
    const int rowHeight = list_->sizeHintForRow(0);
    const int frame = 2 * list_->frameWidth();
    list_->setGeometry(QRect(box_->mapToGlobal(QPoint(0, box_->height())),
                             QSize(box_->width(), rowHeight * list_->count() + frame)));
}

void QuickFill::move(int step) {
    const int last = list_->count() - 1;
    const int row = list_->currentRow();
    // From no row, Down takes the first and Up the last.
    const int next = row < 0 ? (step > 0 ? 0 : last) : qBound(0, row + step, last);
    list_->setCurrentRow(next);
}

void QuickFill::pick(int row) {
    if (row < 0 || row >= list_->count())
        return;
    const QString phrase = list_->item(row)->text();
    close();
    box_->setEditText(phrase);
    emit picked(phrase);
}

bool QuickFill::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        // The list stays under the box: when its window moves or goes, it closes.
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Hide:
        case QEvent::WindowDeactivate:
            close();
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) {
        close();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Alt+Down and F4 stay the box's own list.
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Down:
        if (isOpen())
            move(1);
        else
            open(box_->currentText());
        return true;
    case Qt::Key_Up:
        if (isOpen())
            move(-1);
        // The box's own Up and pages would replace the typed text with a phrase.
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        if (isOpen())
            move(key->key() == Qt::Key_PageDown ? MaxRows : -MaxRows);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isOpen() && list_->currentRow() >= 0) {
            pick(list_->currentRow());
            return true;
        }
        close();
        return false;
    case Qt::Key_Escape:
        if (!isOpen())
            return false;
        close();
        return true;
    default:
        return false;
    }
}

} // namespace kotsu
