// SPDX-License-Identifier: GPL-3.0-or-later
// File > New: the gallery and what each of its entries creates. Assembler programs
// first switch mode and target shell, so the new source starts from that target's
// header template; variables open their editor empty for the page's model.
#pragma once

#include "base/ui/EditorRegistry.h"
#include "editor/newfile/ui/TfrmNew.h"

#include <QObject>

namespace vexil::app {

class DocumentManager;
class ModeController;

class NewFileCommands : public QObject {
    Q_OBJECT
public:
    NewFileCommands(uibase::MainFrame &frame, DocumentManager &documents, ModeController &mode,
                    const uibase::EditorRegistry &registry, QWidget *dialogParent);

    // "&New...": the gallery, then the chosen entry.
    void showGallery();
    void run(const editor::GalleryChoice &choice);
    void newText();
    void newVariable(const editor::VariableEntry &entry, bool isTI82);
    // Whether an editor window is registered for the kind and model.
    bool hasEditor(const editor::VariableEntry &entry, bool isTI82) const;

private:
    uibase::MainFrame &frame_;
    DocumentManager &documents_;
    ModeController &mode_;
    const uibase::EditorRegistry &registry_;
    QWidget *dialogParent_;
};

} // namespace vexil::app
