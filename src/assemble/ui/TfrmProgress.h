// SPDX-License-Identifier: GPL-3.0-or-later
// The window shown while the assembler runs. It stands in for the main window, which
// it disables while it is open, and offers one way out: Cancel.
#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace vexil::assemble::ui {

class TfrmProgress : public QDialog {
    Q_OBJECT
public:
    // `mainWindow` is disabled while the dialog is open. The dialog is a window of its
    // own rather than a child, so that disabling the main window leaves Cancel usable.
    explicit TfrmProgress(QWidget &mainWindow);

    // Closes the dialog if it is open, clears the cancel request, disables the main
    // window and shows the dialog without blocking.
    void start();
    // Closes the dialog and enables the main window again.
    void finish();

    bool cancelRequested() const { return cancelRequested_; }
    void clearCancelRequest() { cancelRequested_ = false; }

    QLabel *TextLabel;
    QPushButton *CancelButton;

public slots:
    // Cancel, Escape and closing the window: asks the run to stop and closes the dialog.
    void reject() override;

private:
    QPointer<QWidget> mainWindow_;
    bool cancelRequested_ = false;
};

} // namespace vexil::assemble::ui
