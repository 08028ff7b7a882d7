// SPDX-License-Identifier: GPL-3.0-or-later
// The find dialog: modeless, a find text, match case and whole word. Searches always
// run forward, so it has no direction. Enter is Find Next, Escape closes it.
#pragma once

#include "editor/search/SearchCommands.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vexil::editor {

class TfrmFind : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFind(QWidget *parent = nullptr);

    SearchQuery query() const;

    QLineEdit *findText() const { return findText_; }
    QCheckBox *wholeWord() const { return wholeWord_; }
    QCheckBox *matchCase() const { return matchCase_; }
    QPushButton *findNextButton() const { return findNext_; }

    // Shows the dialog (again) with its text selected for typing over.
    void showDialog();

signals:
    void findNextRequested();

private:
    QLineEdit *findText_;
    QCheckBox *wholeWord_;
    QCheckBox *matchCase_;
    QPushButton *findNext_;
};

// A dialog text as the search compares it, one character per code point.
std::u32string SearchChars(const QString &text);

} // namespace vexil::editor
