// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/NewFileCommands.h"

#include "app/ui/DocumentManager.h"
#include "app/ui/ModeController.h"
#include "base/ui/VarEditorWindow.h"
#include "editor/newfile/ui/DocumentIcons.h"
#include "editor/ui/TfrmText.h"

#include <Qsci/qsciscintilla.h>

#include <QMetaObject>

namespace vexil::app {
namespace {

QString PathWithExtension(const editor::VariableEntry &entry, bool isTI82)
{
    return QStringLiteral("new.") +
           QString::fromStdString(editor::VariableExtension(entry, isTI82));
}

} // namespace

NewFileCommands::NewFileCommands(uibase::MainFrame &frame, DocumentManager &documents,
                                 ModeController &mode, const uibase::EditorRegistry &registry,
                                 QWidget *dialogParent)
    : QObject(dialogParent), frame_(frame), documents_(documents), mode_(mode), registry_(registry),
      dialogParent_(dialogParent)
{
}

bool NewFileCommands::hasEditor(const editor::VariableEntry &entry, bool isTI82) const
{
    const QMetaObject *windowClass =
        registry_.classFor(PathWithExtension(entry, isTI82)).windowClass;
    return windowClass != nullptr &&
           windowClass->inherits(&uibase::VarEditorWindow::staticMetaObject);
}

void NewFileCommands::showGallery()
{
    editor::TfrmNew gallery([this](const editor::VariableEntry &entry,
                                   bool isTI82) { return hasEditor(entry, isTI82); },
                            dialogParent_);
    if (gallery.exec() != QDialog::Accepted) {
        return;
    }
    if (const std::optional<editor::GalleryChoice> choice = gallery.choice()) {
        run(*choice);
    }
}

void NewFileCommands::run(const editor::GalleryChoice &choice)
{
    const auto index = static_cast<std::size_t>(choice.index);
    if (choice.page == editor::GalleryPage::New) {
        const auto entries = editor::NewPageEntries();
        if (index >= entries.size()) {
            return;
        }
        if (entries[index].action == editor::NewPageAction::TextFile) {
            newText();
        } else {
            mode_.chooseTarget(entries[index].target);
            documents_.newSource();
        }
        return;
    }
    const bool isTI82 = choice.page == editor::GalleryPage::TI82;
    const auto entries = editor::VariableEntries(isTI82);
    if (index < entries.size()) {
        newVariable(entries[index], isTI82);
    }
}

void NewFileCommands::newText()
{
    auto *text = new editor::TfrmText(frame_);
    text->setWindowTitle(QStringLiteral("Untitled%1").arg(documents_.nextUntitledNumber()));
    frame_.addDocument(text);
    frame_.rebuildWindowMenu();
    text->Memo1->setFocus();
}

void NewFileCommands::newVariable(const editor::VariableEntry &entry, bool isTI82)
{
    if (!hasEditor(entry, isTI82)) {
        return;
    }
    uibase::TfrmVarTemplate *window =
        registry_.classFor(PathWithExtension(entry, isTI82)).create(frame_);
    auto *variable = qobject_cast<uibase::VarEditorWindow *>(window);
    variable->prepareNew(isTI82, documents_.nextUntitledNumber());
    variable->setWindowIcon(editor::VariableIcon(isTI82, entry.letter));
    frame_.addDocument(variable);
    frame_.rebuildWindowMenu();
}

} // namespace vexil::app
