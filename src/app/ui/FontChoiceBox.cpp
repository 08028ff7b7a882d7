// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/FontChoiceBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace vexil::app {

FontChoiceBox::FontChoiceBox(const QString &caption, QWidget *parent)
    : QWidget(parent), edit_(new QLineEdit(this)), list_(new QListWidget(this))
{
    auto *label = new QLabel(caption, this);
    label->setBuddy(edit_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString &typed) {
        selectMatching(typed);
        emit changed();
    });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { copyEntry(list_->row(item)); });
}

void FontChoiceBox::setEntries(const QStringList &entries)
{
    list_->clear();
    list_->addItems(entries);
    selectMatching(edit_->text());
}

void FontChoiceBox::setText(const QString &text)
{
    edit_->setText(text);
    selectMatching(text);
    emit changed();
}

QString FontChoiceBox::text() const
{
    return edit_->text();
}

void FontChoiceBox::selectMatching(const QString &typed)
{
    QListWidgetItem *exact = nullptr;
    QListWidgetItem *caseless = nullptr;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem *item = list_->item(row);
        if (item->text() == typed) {
            exact = item;
            break;
        }
        if (caseless == nullptr && item->text().compare(typed, Qt::CaseInsensitive) == 0) {
            caseless = item;
        }
    }
    QListWidgetItem *match = exact != nullptr ? exact : caseless;
    if (match == nullptr) {
        list_->clearSelection();
        return;
    }
    list_->setCurrentItem(match);
    list_->scrollToItem(match);
    if (match->text() != typed) {
        const int cursor = edit_->cursorPosition();
        edit_->setText(match->text());
        edit_->setCursorPosition(cursor);
    }
}

void FontChoiceBox::copyEntry(int row)
{
    if (row < 0 || row >= list_->count()) {
        return;
    }
    list_->setCurrentRow(row);
    edit_->setText(list_->item(row)->text());
    edit_->selectAll();
    emit changed();
}

bool FontChoiceBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int current = list_->currentRow();
            const int next = current < 0 ? 0 : current + (key == Qt::Key_Up ? -1 : 1);
            copyEntry(std::clamp(next, 0, list_->count() - 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vexil::app
