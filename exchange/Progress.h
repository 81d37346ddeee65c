// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QPushButton;
class QWidget;

namespace kotsu {

// Thrown from inside a long write when the user has cancelled; the write's transaction
// rolls back as it unwinds.
struct ProgressCancelled {};

// A long wait the user can see and cancel: a modal progress dialog that appears only
// once the work has taken half a second. Until then user input is held back, so no other
// command can start in the middle.
class Progress {
public:
    Progress(QWidget* parent, const QString& title);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // steps 0: of unknown length.
    void setStage(const QString& label, int steps = 0);
    // Keeps the windows painted and shows done steps (below 0: as before); false once the
    // user has cancelled.
    bool keepGoing(int done = -1);
    // keepGoing, throwing ProgressCancelled instead of returning false.
    void check(int done);
    bool cancelled() const;
    // The last stage, which can no longer be cancelled: the button is disabled and the
    // label says so.
    void finishing(const QString& label);

private:
    std::unique_ptr<QProgressDialog> dialog_;
    QPushButton* cancel_;
    QElapsedTimer clock_;
    int steps_ = 0;
};

} // namespace kotsu
