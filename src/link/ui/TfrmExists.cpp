// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/TfrmExists.h"

#include "base/ui/DialogService.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexil::link::ui {

using transfer::ExistsChoice;

TfrmExists::TfrmExists(QWidget *parent)
    : QDialog(parent), Label1(new QLabel(this)), RadioRename(new QRadioButton(tr("&Rename"), this)),
      RadioOverwrite(new QRadioButton(tr("&Overwrite"), this)),
      RadioOmit(new QRadioButton(tr("&Omit"), this)),
      RadioQuit(new QRadioButton(tr("&Quit"), this)), Edit1(new QLineEdit(this)),
      Button1(new QPushButton(tr("OK"), this))
{
    setWindowTitle(tr("File Already Exists"));
    setObjectName(QStringLiteral("frmExists"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    Label1->setWordWrap(true);
    RadioRename->setChecked(true);
    Button1->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    auto *rename = new QHBoxLayout;
    rename->addWidget(RadioRename);
    rename->addWidget(Edit1, 1);
    layout->addLayout(rename);
    layout->addWidget(RadioOverwrite);
    layout->addWidget(RadioOmit);
    layout->addWidget(RadioQuit);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    layout->addLayout(buttons);

    connect(RadioRename, &QRadioButton::clicked, this, [this] { Edit1->setFocus(); });
    connect(Button1, &QPushButton::clicked, this, &TfrmExists::Button1Click);
}

ExistsChoice TfrmExists::choice() const
{
    if (RadioOverwrite->isChecked()) {
        return ExistsChoice::Overwrite;
    }
    if (RadioOmit->isChecked()) {
        return ExistsChoice::Omit;
    }
    if (RadioQuit->isChecked()) {
        return ExistsChoice::Quit;
    }
    return ExistsChoice::Rename;
}

void TfrmExists::Button1Click()
{
    if (choice() == ExistsChoice::Rename && Edit1->text().isEmpty()) {
        uibase::Dialogs().message(
            uibase::MessageKind::Warning,
            tr("You must specify a filename if you want to rename this file."),
            uibase::Buttons::Ok);
        return;
    }
    accept();
}

void TfrmExists::reject() {}

transfer::ExistsAnswer TfrmExists::ask(const QString &message)
{
    Label1->setText(message);
    Edit1->clear();
    RadioRename->setChecked(true);
    RadioRename->setFocus();
    // The dialog has no close box: OK is the only way out, so there is always a choice.
    exec();
    return {choice(), QFile::encodeName(Edit1->text()).toStdString()};
}

} // namespace vexil::link::ui
