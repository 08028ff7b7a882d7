// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TfrmWindows.h"

#include "base/ui/HelpViewer.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexil::app {

TfrmWindows::TfrmWindows(const QStringList &captions, std::filesystem::path programDirectory,
                         QWidget *parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(tr("Select Window"));
    list_->addItems(captions);
    list_->setCurrentRow(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *help = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [programDirectory] {
        uibase::ShowHelp(programDirectory, QStringLiteral("IDH_DLGWINDOWS"));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(380, 320);
}

int TfrmWindows::selectedIndex() const
{
    return list_->currentRow();
}

} // namespace vexil::app
