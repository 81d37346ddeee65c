// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/Progress.h"
#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>

namespace kotsu {

namespace {
constexpr int ShowAfterMs = 500;
}

Progress::Progress(QWidget* parent, const QString& title)
    : dialog_(std::make_unique<QProgressDialog>(parent)),
      cancel_(new QPushButton(QStringLiteral("キャンセル"))) {
    dialog_->setWindowTitle(title);
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setCancelButton(cancel_);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setMinimumDuration(ShowAfterMs);
    dialog_->setRange(0, 0);
    clock_.start();
}

Progress::~Progress() = default;

void Progress::setStage(const QString& label, int steps) {
    steps_ = steps;
    dialog_->setLabelText(label);
    dialog_->setRange(0, steps);
}

bool Progress::keepGoing(int done) {
    if (dialog_->wasCanceled())
        return false;
    if (!dialog_->isVisible() && clock_.elapsed() >= ShowAfterMs)
        dialog_->show();
    if (steps_ > 0 && done >= 0)
        dialog_->setValue(qMin(done, steps_));
    QCoreApplication::processEvents(dialog_->isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
    return !dialog_->wasCanceled();
}

void Progress::check(int done) {
    if (!keepGoing(done))
        throw ProgressCancelled{};
}

bool Progress::cancelled() const {
    return dialog_->wasCanceled();
}

void Progress::finishing(const QString& label) {
    cancel_->setEnabled(false);
    steps_ = 0;
    dialog_->setLabelText(label);
    dialog_->setRange(0, 0);
    // Painted now; nothing the user does is taken until the work is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kotsu
