// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line box that passes every typed or pasted character through a key rule
// (upper-case it, keep it or swallow it) and stops typing at a length of its own.
// Text the program sets is left as it is, so a remembered name keeps characters the
// user could not have typed, and its length up to the box's maximum.
#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

namespace vexil::assemble::ui {

// The rule for one typed character: the character to insert, or nothing to swallow it.
using KeyRule = std::function<std::optional<char>(char)>;

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FilteredLineEdit(KeyRule rule, QWidget *parent = nullptr);

    // What the rule makes of `text`: kept characters in order. Control characters
    // are dropped, since in inserted text they are never editing keys.
    QString filtered(const QString &text) const;

    // Inserts the clipboard's text through the rule.
    void pasteFiltered();

    // Typed, pasted and composed text stops once the box holds `characters`; below
    // maxLength(), so text set by the program may be longer. Unlimited by default.
    void setTypingLimit(int characters) { typingLimit_ = characters; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Input methods deliver typed and composed text here instead of as key presses.
    void inputMethodEvent(QInputMethodEvent *event) override;
    // The middle button pastes the primary selection.
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Inserts what the rule kept, as far as the typing limit leaves room.
    void insertKept(const QString &kept);

    KeyRule rule_;
    int typingLimit_ = 32767;
};

} // namespace vexil::assemble::ui
