// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/HelpFindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

namespace vexil::uibase {
namespace {

QTextDocument::FindFlags FlagsFor(bool matchCase, bool backwards)
{
    QTextDocument::FindFlags flags;
    if (matchCase) {
        flags |= QTextDocument::FindCaseSensitively;
    }
    if (backwards) {
        flags |= QTextDocument::FindBackward;
    }
    return flags;
}

} // namespace

HelpFindBar::HelpFindBar(QTextBrowser *browser, QWidget *parent)
    : QWidget(parent), browser_(browser), text_(new QLineEdit(this)),
      matchCase_(new QCheckBox(tr("Match &case"), this)), result_(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    auto *label = new QLabel(tr("&Find:"), this);
    label->setBuddy(text_);
    text_->setClearButtonEnabled(true);
    text_->setMinimumWidth(220);
    auto *previous = new QToolButton(this);
    previous->setText(tr("&Previous"));
    previous->setToolTip(tr("Previous match (Shift+Enter)"));
    auto *next = new QToolButton(this);
    next->setText(tr("&Next"));
    next->setToolTip(tr("Next match (Enter)"));
    auto *close = new QToolButton(this);
    close->setText(tr("Close"));
    close->setToolTip(tr("Close the find bar (Esc)"));
    layout->addWidget(label);
    layout->addWidget(text_);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(matchCase_);
    layout->addWidget(result_, 1);
    layout->addWidget(close);

    // Typing searches again from the top of the page.
    connect(text_, &QLineEdit::textChanged, this, [this] { pageChanged(); });
    connect(matchCase_, &QCheckBox::toggled, this, [this] { pageChanged(); });
    connect(text_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(next, &QToolButton::clicked, this, [this] { findNext(); });
    connect(previous, &QToolButton::clicked, this, [this] { findNext(true); });
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
}

void HelpFindBar::open()
{
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void HelpFindBar::pageChanged()
{
    QTextCursor top(browser_->document());
    browser_->setTextCursor(top);
    highlightAll();
    if (!text_->text().isEmpty()) {
        findNext();
    } else {
        result_->clear();
    }
}

bool HelpFindBar::findNext(bool backwards)
{
    const QString text = text_->text();
    if (text.isEmpty()) {
        return false;
    }
    const QTextDocument::FindFlags flags = FlagsFor(matchCase_->isChecked(), backwards);
    bool wrapped = false;
    bool found = browser_->find(text, flags);
    if (!found) {
        // Round the end of the page, once.
        QTextCursor restart(browser_->document());
        restart.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        browser_->setTextCursor(restart);
        found = browser_->find(text, flags);
        wrapped = found;
    }
    showResult(found, wrapped);
    return found;
}

void HelpFindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        browser_->setFocus();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        findNext(true);
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpFindBar::highlightAll()
{
    QList<QTextEdit::ExtraSelection> highlights;
    const QString text = text_->text();
    if (!text.isEmpty()) {
        QTextEdit::ExtraSelection mark;
        mark.format.setBackground(QColor(255, 230, 110));
        const QTextDocument::FindFlags flags = FlagsFor(matchCase_->isChecked(), false);
        QTextCursor at = browser_->document()->find(text, 0, flags);
        while (!at.isNull()) {
            mark.cursor = at;
            highlights.append(mark);
            at = browser_->document()->find(text, at, flags);
        }
    }
    matches_ = static_cast<int>(highlights.size());
    browser_->setExtraSelections(highlights);
}

void HelpFindBar::showResult(bool found, bool wrapped)
{
    QPalette palette = result_->palette();
    palette.setColor(QPalette::WindowText, found ? palette.color(QPalette::Text) : Qt::darkRed);
    result_->setPalette(palette);
    if (!found) {
        result_->setText(tr("Not found on this page"));
        return;
    }
    QString count = matches_ == 1 ? tr("1 match") : tr("%1 matches").arg(matches_);
    if (wrapped) {
        count += tr("; went round the page");
    }
    result_->setText(count);
}

} // namespace vexil::uibase
