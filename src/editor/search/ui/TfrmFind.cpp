// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/ui/TfrmFind.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexil::editor {

std::u32string SearchChars(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    return std::u32string(codes.begin(), codes.end());
}

TfrmFind::TfrmFind(QWidget *parent)
    : QDialog(parent), findText_(new QLineEdit(this)),
      wholeWord_(new QCheckBox(tr("Match &whole word only"), this)),
      matchCase_(new QCheckBox(tr("Match &case"), this)),
      findNext_(new QPushButton(tr("&Find Next"), this))
{
    setWindowTitle(tr("Find"));
    setObjectName(QStringLiteral("FindDialog"));
    auto *label = new QLabel(tr("Fi&nd what:"), this);
    label->setBuddy(findText_);
    findText_->setMinimumWidth(220);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    findNext_->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(findText_, 0, 1);
    grid->addWidget(wholeWord_, 1, 0, 1, 2);
    grid->addWidget(matchCase_, 2, 0, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 3, 1);

    const auto enableFind = [this] { findNext_->setEnabled(!findText_->text().isEmpty()); };
    connect(findText_, &QLineEdit::textChanged, this, enableFind);
    enableFind();
    connect(findNext_, &QPushButton::clicked, this, &TfrmFind::findNextRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

SearchQuery TfrmFind::query() const
{
    return {SearchChars(findText_->text()), {matchCase_->isChecked(), wholeWord_->isChecked()}};
}

void TfrmFind::showDialog()
{
    show();
    raise();
    activateWindow();
    findText_->setFocus();
    findText_->selectAll();
}

} // namespace vexil::editor
