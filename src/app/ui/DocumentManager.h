// SPDX-License-Identifier: GPL-3.0-or-later
// The document windows of the main window: opening a file in the window its
// extension calls for, new sources, and routing Save, Save As, Close and the Edit
// commands to the active window (or the default beep when they do not apply).
#pragma once

#include "base/ui/EditorRegistry.h"
#include "editor/newfile/NewFileCatalog.h"

#include <QObject>

class QFont;
class QMdiArea;

namespace vexil::app {

class DocumentManager : public QObject {
    Q_OBJECT
public:
    DocumentManager(uibase::MainFrame &frame, QMdiArea &area,
                    const uibase::EditorRegistry &registry, QObject *parent = nullptr);

    // Null when the file does not exist (the user is told) or its window failed to load it.
    QWidget *openFile(const QString &path);
    void addDocument(QWidget *document);
    uibase::TfrmVarTemplate *activeDocument() const;
    QList<uibase::TfrmVarTemplate *> documents() const;

    // A source from the header template of the current target (when the options ask).
    void newSource();
    // The number of the next "Untitled" window; every new document takes one.
    int nextUntitledNumber() { return untitled_.nextNumber(); }
    void save();
    void saveAs();
    void closeActive();
    // Prints the active source, text or program window; beeps for any other.
    void print();
    void edit(uibase::EditCommand command);
    void applyEditorFont(const QFont &font);
    // Closes every window, asking about changed ones; false when the user kept one open.
    bool closeAll();

signals:
    // A window was added, closed or renamed.
    void documentsChanged();

private:
    uibase::MainFrame &frame_;
    QMdiArea &area_;
    const uibase::EditorRegistry &registry_;
    editor::UntitledCounter untitled_;
};

} // namespace vexil::app
