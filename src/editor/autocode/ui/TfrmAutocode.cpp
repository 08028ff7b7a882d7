// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/ui/TfrmAutocode.h"

#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"
#include "editor/autocode/AutoCodeFile.h"
#include "editor/autocode/ui/AutoCodeLibrary.h"
#include "editor/autocode/ui/TfrmAutoCodeEdit.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexil::editor {
namespace {

// The small picture in front of each entry: a sheet with a few lines of "code".
QIcon SnippetIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x50, 0x70));
    painter.setBrush(QColor(0xFF, 0xF8, 0xD8));
    painter.drawRect(2, 1, 11, 13);
    painter.setPen(QColor(0x20, 0x60, 0xB0));
    for (int y = 4; y <= 11; y += 3) {
        painter.drawLine(4 + (y == 7 ? 2 : 0), y, 10, y);
    }
    return QIcon(pixmap);
}

// A hint is "short|long": the short part is the tooltip, the long one the status text.
QPushButton *EntryButton(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    button->setToolTip(bar < 0 ? hint : hint.left(bar));
    button->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    return button;
}

} // namespace

TfrmAutocode::TfrmAutocode(QStringList entries, std::filesystem::path programDirectory,
                           QWidget *parent)
    : QDialog(parent), ListBox1(new QListWidget(this)),
      addButton(EntryButton(tr("Add"), tr("Add|Add an AutoCode entry"), this)),
      renameButton(EntryButton(tr("Rename"),
                               tr("Rename|Rename the currently selected AutoCode entry"), this)),
      deleteButton(EntryButton(tr("Delete"),
                               tr("Delete|Remove the currently selected AutoCode entry"), this)),
      editButton(
          EntryButton(tr("Edit"), tr("Edit|Edit the currently selected AutoCode entry"), this)),
      entries_(std::move(entries)), programDirectory_(std::move(programDirectory))
{
    setWindowTitle(QStringLiteral("AutoCode Entries"));
    ListBox1->setIconSize(QSize(16, 16));
    connect(addButton, &QPushButton::clicked, this, &TfrmAutocode::addEntry);
    connect(renameButton, &QPushButton::clicked, this, &TfrmAutocode::renameEntry);
    connect(deleteButton, &QPushButton::clicked, this, &TfrmAutocode::deleteEntry);
    connect(editButton, &QPushButton::clicked, this, &TfrmAutocode::editEntry);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TfrmAutocode::editEntry);

    auto *closeButtons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    // Set here rather than left to the platform theme, which may add accelerators.
    closeButtons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    closeButtons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    auto *help = closeButtons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    connect(closeButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(closeButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { uibase::ShowHelp(programDirectory_, QStringLiteral("IDH_DLGAUTOCODE")); });

    auto *side = new QVBoxLayout;
    for (QPushButton *button : {addButton, renameButton, deleteButton, editButton}) {
        button->setAutoDefault(false);
        side->addWidget(button);
    }
    side->addStretch(1);
    auto *body = new QHBoxLayout;
    body->addWidget(ListBox1, 1);
    body->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(closeButtons);
    resize(420, 320);
    showEntries(-1);
}

void TfrmAutocode::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ListBox1->setFocus();
}

void TfrmAutocode::showEntries(int selectRow)
{
    static const QIcon icon = SnippetIcon();
    ListBox1->clear();
    for (const QString &entry : std::as_const(entries_)) {
        ListBox1->addItem(new QListWidgetItem(icon, AutoCodeEntryName(entry)));
    }
    if (selectRow >= 0 && selectRow < ListBox1->count()) {
        ListBox1->setCurrentRow(selectRow);
    }
}

int TfrmAutocode::selectedRowOrBeep() const
{
    const int row = ListBox1->currentRow();
    if (row < 0 || !ListBox1->item(row)->isSelected()) {
        uibase::Dialogs().beep();
        return -1;
    }
    return row;
}

bool TfrmAutocode::nameAccepted(const QString &name, int renamedRow) const
{
    std::vector<std::string> names;
    for (const QString &entry : entries_) {
        names.push_back(entry.toStdString());
    }
    const auto ignore =
        renamedRow < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(renamedRow);
    switch (CheckAutoCodeName(names, name.toStdString(), ignore)) {
    case AutoCodeNameCheck::Ok:
        return true;
    case AutoCodeNameCheck::ContainsPipe:
        uibase::Dialogs().message(
            uibase::MessageKind::Error,
            QStringLiteral("You cannot include the pipe symbol in the AutoCode entry's name."),
            uibase::Buttons::Ok);
        return false;
    case AutoCodeNameCheck::Duplicate:
        uibase::Dialogs().message(
            uibase::MessageKind::Error,
            QStringLiteral("An AutoCode entry with that name already exists!"),
            uibase::Buttons::Ok);
        return false;
    }
    return false;
}

void TfrmAutocode::addEntry()
{
    const std::optional<QString> name =
        uibase::Dialogs().inputText(QStringLiteral("New AutoCode Entry"),
                                    QStringLiteral("Please enter a name for your entry:"), {});
    if (!name || name->isEmpty() || !nameAccepted(*name, -1)) {
        return;
    }
    entries_ << *name + QLatin1Char('|');
    showEntries(static_cast<int>(entries_.size() - 1));
    editEntry();
}

void TfrmAutocode::renameEntry()
{
    const int row = selectedRowOrBeep();
    if (row < 0) {
        return;
    }
    const QString oldName = AutoCodeEntryName(entries_[row]);
    const std::optional<QString> name = uibase::Dialogs().inputText(
        QStringLiteral("Rename AutoCode Entry"),
        QStringLiteral("Enter the new name for your AutoCode entry:"), oldName);
    if (!name || name->isEmpty() || *name == oldName || !nameAccepted(*name, row)) {
        return;
    }
    entries_[row] = *name + QLatin1Char('|') + AutoCodeEntryCode(entries_[row]);
    showEntries(row);
}

void TfrmAutocode::deleteEntry()
{
    const int row = selectedRowOrBeep();
    if (row < 0) {
        return;
    }
    entries_.removeAt(row);
    showEntries(std::min(row, static_cast<int>(entries_.size()) - 1));
}

void TfrmAutocode::editEntry()
{
    const int row = selectedRowOrBeep();
    if (row < 0) {
        return;
    }
    const QString name = AutoCodeEntryName(entries_[row]);
    TfrmAutoCodeEdit editor(name, AutoCodeEntryCode(entries_[row]), this);
    if (editor.exec() == QDialog::Accepted) {
        entries_[row] = name + QLatin1Char('|') + editor.code();
    }
}

} // namespace vexil::editor
