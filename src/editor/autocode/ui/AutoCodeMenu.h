// SPDX-License-Identifier: GPL-3.0-or-later
// The AutoCode menu and the library behind it: "&AutoCodes..." opens the dialog, and
// below it one item per entry inserts that entry's code into the active source
// window, or the disabled "(None)" stands there when the library is empty.
#pragma once

#include "editor/autocode/ui/AutoCodeLibrary.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace vexil::editor {

class TfrmSource;

class AutoCodeMenu : public QObject {
    Q_OBJECT
public:
    // activeSource: the active document window when it is a source window, else null.
    AutoCodeMenu(QMenu &menu, std::filesystem::path programDirectory,
                 std::function<TfrmSource *()> activeSource, QWidget *dialogParent);

    QAction *autoCodes;
    QAction *none;

    // Start-up: reads autocode.txt and builds the items.
    void load();
    // Builds one item per entry (or shows "(None)"), then writes autocode.txt.
    void rebuild();
    // The AutoCode dialog; on OK its entries replace the library's and the menu is rebuilt.
    void showDialog();
    // Inserts entry `index` at the caret of the active source window; beeps elsewhere.
    void insert(int index);

    const AutoCodeLibrary &library() const { return library_; }
    AutoCodeLibrary &library() { return library_; }
    QList<QAction *> entryActions() const { return entryActions_; }

private:
    QMenu &menu_;
    AutoCodeLibrary library_;
    std::function<TfrmSource *()> activeSource_;
    QWidget *dialogParent_;
    QList<QAction *> entryActions_;
};

} // namespace vexil::editor
