// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/ui/TfrmReplace.h"

#include "editor/search/ui/TfrmFind.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vexil::editor {

TfrmReplace::TfrmReplace(QWidget *parent)
    : QDialog(parent), Edit1(new QLineEdit(this)), Edit2(new QLineEdit(this)),
      CheckBox1(new QCheckBox(tr("Match &whole word only"), this)),
      CheckBox2(new QCheckBox(tr("Match &case"), this)),
      CheckBox3(new QCheckBox(tr("Replace in &selection only"), this)),
      Button1(new QPushButton(tr("&Find Next"), this)),
      Button2(new QPushButton(tr("&Replace"), this)),
      Button3(new QPushButton(tr("Replace &All"), this))
{
    setWindowTitle(tr("Replace"));
    setObjectName(QStringLiteral("frmReplace"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(Edit1);
    auto *replaceLabel = new QLabel(tr("Re&place with:"), this);
    replaceLabel->setBuddy(Edit2);
    Edit1->setMinimumWidth(220);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    Button1->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(CheckBox1, 2, 0, 1, 2);
    grid->addWidget(CheckBox2, 3, 0, 1, 2);
    grid->addWidget(CheckBox3, 4, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {Button1, Button2, Button3, cancel}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 5, 1);

    connect(Edit1, &QLineEdit::textChanged, this, &TfrmReplace::enableActions);
    connect(Button1, &QPushButton::clicked, this, &TfrmReplace::findNextRequested);
    connect(Button2, &QPushButton::clicked, this, &TfrmReplace::replaceRequested);
    connect(Button3, &QPushButton::clicked, this, &TfrmReplace::replaceAllRequested);
    connect(CheckBox3, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked) {
            emit selectionOnlyTicked();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    enableActions();
}

ReplaceRequest TfrmReplace::request() const
{
    return {{SearchChars(Edit1->text()), {CheckBox2->isChecked(), CheckBox1->isChecked()}},
            SearchChars(Edit2->text()),
            CheckBox3->isChecked()};
}

void TfrmReplace::enableActions()
{
    const bool something = !Edit1->text().isEmpty();
    for (QPushButton *button : {Button1, Button2, Button3}) {
        button->setEnabled(something);
    }
}

void TfrmReplace::showEvent(QShowEvent *event)
{
    enableActions();
    QDialog::showEvent(event);
}

void TfrmReplace::showDialog(bool editorHasSelection)
{
    CheckBox3->setChecked(editorHasSelection);
    adjustSize();
    if (const QScreen *screen =
            parentWidget() != nullptr ? parentWidget()->screen() : this->screen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - frameGeometry().width()) / 2, area.y() + area.height() / 3);
    }
    show();
    raise();
    activateWindow();
    Edit1->setFocus();
    Edit1->selectAll();
}

} // namespace vexil::editor
