// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/ui/TfrmAutoCodeEdit.h"

#include "base/ui/DialogService.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexil::editor {

TfrmAutoCodeEdit::TfrmAutoCodeEdit(const QString &name, const QString &code, QWidget *parent)
    : QDialog(parent), Memo1(new QPlainTextEdit(this)), okButton(new QPushButton(tr("&OK"), this)),
      cancelButton(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Editing AutoCode '") + name + QLatin1Char('\''));
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTabStopDistance(Memo1->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    Memo1->setPlainText(QString(code).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(520, 360);
}

QString TfrmAutoCodeEdit::code() const
{
    return Memo1->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TfrmAutoCodeEdit::closeEvent(QCloseEvent *event)
{
    if (!isVisible()) {
        event->accept();
        return;
    }
    const uibase::Answer answer = uibase::Dialogs().message(
        uibase::MessageKind::Confirmation, QStringLiteral("Save changes?"), uibase::Buttons::YesNo);
    done(answer == uibase::Answer::Yes ? QDialog::Accepted : QDialog::Rejected);
    event->accept();
}

} // namespace vexil::editor
