// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ui/TfrmText.h"

#include "editor/ui/EditorFont.h"

#include <Qsci/qsciscintilla.h>

#include <QVBoxLayout>

namespace vexil::editor {

TfrmText::TfrmText(uibase::MainFrame &frame, QWidget *parent) : TextDocumentWindow(frame, parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    applyFont(EditorFont(frame.options()));
    Memo1->setModified(false);
}

bool TfrmText::LoadFile(const QString &fileName)
{
    return readIntoEditor(fileName);
}

bool TfrmText::SaveFile()
{
    if (FileName.isEmpty()) {
        const QString chosen = askSaveName(
            tr("Save Text File"), QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"),
            QStringLiteral("txt"), QString());
        if (chosen.isEmpty()) {
            return false;
        }
        FileName = chosen;
    }
    if (!writeFromEditor(FileName)) {
        return false;
    }
    afterSave();
    return true;
}

} // namespace vexil::editor
