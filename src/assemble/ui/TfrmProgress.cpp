// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ui/TfrmProgress.h"

#include "assemble/run/RunTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace vexil::assemble::ui {

TfrmProgress::TfrmProgress(QWidget &mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      TextLabel(new QLabel(this)), CancelButton(new QPushButton(tr("Cancel"), this)),
      mainWindow_(&mainWindow)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QString::fromLatin1(run::kProgressCaption.data(),
                                       static_cast<qsizetype>(run::kProgressCaption.size())));
    TextLabel->setText(QString::fromLatin1(run::kProgressText.data(),
                                           static_cast<qsizetype>(run::kProgressText.size())));
    connect(CancelButton, &QPushButton::clicked, this, &TfrmProgress::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TextLabel);
    layout->addLayout(buttons);
    setModal(false);
}

void TfrmProgress::start()
{
    if (isVisible()) {
        finish();
    }
    cancelRequested_ = false;
    if (mainWindow_) {
        mainWindow_->setEnabled(false);
        // Keeps the dialog above the main window although it is not its child.
        winId();
        if (QWidget *top = mainWindow_->window(); top->windowHandle() != nullptr) {
            windowHandle()->setTransientParent(top->windowHandle());
        }
    }
    show();
    raise();
    activateWindow();
}

void TfrmProgress::finish()
{
    hide();
    if (mainWindow_) {
        mainWindow_->setEnabled(true);
        // Hand the focus back, so the active source window (and with it the commands
        // that depend on it) is active again without a click.
        mainWindow_->activateWindow();
    }
}

void TfrmProgress::reject()
{
    cancelRequested_ = true;
    finish();
}

} // namespace vexil::assemble::ui
