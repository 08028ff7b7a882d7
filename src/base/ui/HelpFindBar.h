// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer's search within the page shown: every match highlighted as you
// type, Enter (or Next) moves to the next one and Shift+Enter (or Previous) back,
// both going round the page's end; Escape closes the bar.
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTextBrowser;

namespace vexil::uibase {

class HelpFindBar : public QWidget {
    Q_OBJECT

public:
    HelpFindBar(QTextBrowser *browser, QWidget *parent = nullptr);

    // Shows the bar with the focus in its text box, the text selected.
    void open();
    // Searches again from the top, as after typing: a new page has been shown.
    void pageChanged();

    bool findNext(bool backwards = false);
    QLineEdit *textBox() const { return text_; }
    int matchCount() const { return matches_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void highlightAll();
    void showResult(bool found, bool wrapped);

    QTextBrowser *browser_;
    QLineEdit *text_;
    QCheckBox *matchCase_;
    QLabel *result_;
    int matches_ = 0;
};

} // namespace vexil::uibase
