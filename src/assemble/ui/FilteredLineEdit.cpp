// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ui/FilteredLineEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace vexil::assemble::ui {

FilteredLineEdit::FilteredLineEdit(KeyRule rule, QWidget *parent)
    : QLineEdit(parent), rule_(std::move(rule))
{
    // Dropped text would bypass the rule.
    setAcceptDrops(false);
}

QString FilteredLineEdit::filtered(const QString &text) const
{
    QString kept;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() >= 0x7F) {
            continue;
        }
        if (const std::optional<char> out = rule_(static_cast<char>(c.unicode()))) {
            kept += QLatin1Char(*out);
        }
    }
    return kept;
}

void FilteredLineEdit::insertKept(const QString &kept)
{
    if (isReadOnly() || kept.isEmpty()) {
        return;
    }
    const qsizetype room = typingLimit_ - (text().size() - selectedText().size());
    if (room > 0) {
        insert(kept.left(room));
    }
}

void FilteredLineEdit::pasteFiltered()
{
    insertKept(filtered(QApplication::clipboard()->text()));
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).unicode() >= 0x20;
    if (!printable || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    insertKept(filtered(text));
    event->accept();
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // Only committed text counts; a composition in progress is not shown, since what it
    // becomes goes through the rule anyway.
    insertKept(filtered(event->commitString()));
    event->accept();
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QClipboard *clipboard = QApplication::clipboard();
    if (event->button() != Qt::MiddleButton || !clipboard->supportsSelection()) {
        QLineEdit::mouseReleaseEvent(event);
        return;
    }
    if (!isReadOnly()) {
        deselect();
        insertKept(filtered(clipboard->text(QClipboard::Selection)));
    }
    event->accept();
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &FilteredLineEdit::pasteFiltered);
    }
    menu->popup(event->globalPos());
}

} // namespace vexil::assemble::ui
