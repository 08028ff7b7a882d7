// SPDX-License-Identifier: GPL-3.0-or-later
// The assembler source window: the editor over a hidden list of assembler errors,
// the "; Progname:" first line, and the read-only variant that shows listings.
#pragma once

#include "editor/ui/TextDocumentWindow.h"

class QListWidget;
class QListWidgetItem;
class QSplitter;
class QAction;

namespace vexil::editor {

class TfrmSource : public TextDocumentWindow {
    Q_OBJECT
public:
    explicit TfrmSource(uibase::MainFrame &frame, QWidget *parent = nullptr);

    QListWidget *ListBox1;
    QSplitter *Splitter1;
    bool IsSource = true;
    QString ProgName;

    bool LoadFile(const QString &fileName) override;
    bool SaveFile() override;
    uibase::DocumentTraits traits() const override;

    // Turns the window into a read-only listing: it never saves and closes without asking.
    void makeListing();

    void showErrorList();
    void hideErrorList();
    bool errorListShown() const;
    // Shows the list with these entries (the assembly run fills it after a failed run).
    void setErrors(const QStringList &entries);

    // Double-click on the selected error entry: opens or activates the file and
    // selects the whole line. Does nothing for entries that name no line.
    void jumpToSelectedError();

signals:
    // "&Assemble" on the pop-up menu; the main window runs the assembly.
    void assembleRequested();
    // "A&ssemble and Send..." on the pop-up menu.
    void assembleAndSendRequested();

protected:
    bool alwaysMayClose() const override { return !IsSource; }

private:
    void buildPopupMenus();
    void updateProgNameLine();
    QAction *errorListAction_ = nullptr;
};

} // namespace vexil::editor
