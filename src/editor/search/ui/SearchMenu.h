// SPDX-License-Identifier: GPL-3.0-or-later
// The Search menu: Find, Replace, Search Again and Go to Line on the editor of the
// active source or text window. The find and Replace dialogs are made once and
// reused; any other window gets the default beep.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace vexil::editor {

class TextDocumentWindow;
class TfrmFind;
class TfrmReplace;

class SearchMenu : public QObject {
    Q_OBJECT
public:
    using ActiveWindow = std::function<TextDocumentWindow *()>;
    SearchMenu(ActiveWindow activeWindow, QWidget *dialogParent);

    void Find1Click();        // "&Find..."
    void Replace1Click();     // "&Replace..."
    void SearchAgain1Click(); // "&Search Again"
    void GoToLine1Click();    // "&Go to Line..."

    TfrmFind &findDialog() { return *find_; }
    TfrmReplace &replaceDialog() { return *replace_; }

private:
    // The active source or text window, or nothing after the beep.
    TextDocumentWindow *target();
    // The target when its text may change; a read-only listing beeps.
    TextDocumentWindow *editableTarget();
    void findNext();
    void replaceFindNext();
    void replaceOne();
    void replaceAll();
    void beginScope();

    ActiveWindow activeWindow_;
    TfrmFind *find_;
    TfrmReplace *replace_;
};

} // namespace vexil::editor
