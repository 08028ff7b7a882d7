// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/DocumentManager.h"

#include "app/RecentFiles.h"
#include "app/ui/OpenRefusal.h"
#include "base/ui/DialogService.h"
#include "base/ui/DocumentPrint.h"
#include "base/ui/VarEditorWindow.h"
#include "base/ui/WindowSwitch.h"
#include "editor/newfile/ui/DocumentIcons.h"
#include "editor/newfile/ui/NewSource.h"
#include "editor/ui/TextDocumentWindow.h"
#include "editor/ui/TfrmSource.h"

#include <Qsci/qsciscintilla.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace vexil::app {

using uibase::TfrmVarTemplate;

DocumentManager::DocumentManager(uibase::MainFrame &frame, QMdiArea &area,
                                 const uibase::EditorRegistry &registry, QObject *parent)
    : QObject(parent), frame_(frame), area_(area), registry_(registry)
{
}

QWidget *DocumentManager::openFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        uibase::Dialogs().message(uibase::MessageKind::Error,
                                  path + QStringLiteral("\n\nThis file does not exist."),
                                  uibase::Buttons::Ok);
        return nullptr;
    }
    const QString fullPath = info.absoluteFilePath();
    const uibase::EditorClass editor = registry_.classFor(fullPath);
    if (editor.windowClass == nullptr) {
        uibase::Dialogs().beep();
        return nullptr;
    }
    if (const std::optional<QString> refusal = OpenRefusal(fullPath, editor, registry_)) {
        uibase::Dialogs().message(uibase::MessageKind::Error,
                                  path + QStringLiteral("\n\n") + *refusal, uibase::Buttons::Ok);
        return nullptr;
    }
    for (QMdiSubWindow *sub : area_.subWindowList()) {
        auto *document = qobject_cast<TfrmVarTemplate *>(sub->widget());
        if (document != nullptr && document->metaObject() == editor.windowClass &&
            !document->FileName.isEmpty() &&
            SamePath(QFile::encodeName(document->FileName).toStdString(),
                     QFile::encodeName(fullPath).toStdString())) {
            uibase::SwitchToWindow(area_, sub);
            return document;
        }
    }
    TfrmVarTemplate *document = editor.create(frame_);
    document->FileName = fullPath;
    document->setWindowTitle(info.fileName());
    if (!document->LoadFile(fullPath)) {
        delete document;
        return nullptr;
    }
    if (auto *variable = qobject_cast<uibase::VarEditorWindow *>(document);
        variable != nullptr && !info.suffix().isEmpty()) {
        variable->setWindowIcon(
            editor::VariableIcon(variable->IsTI82, info.suffix().back().toLower().toLatin1()));
    }
    QDir::setCurrent(info.absolutePath());
    addDocument(document);
    frame_.addRecentFile(fullPath);
    return document;
}

void DocumentManager::addDocument(QWidget *document)
{
    QMdiSubWindow *previous = area_.currentSubWindow();
    QMdiSubWindow *sub = area_.addSubWindow(document);
    // The main window's Ctrl+F4 closes every kind of document window; where the
    // platform gives the sub-window's own Close that key too, it would be ambiguous.
    if (QMenu *systemMenu = sub->systemMenu()) {
        const QKeySequence closeFile(Qt::CTRL | Qt::Key_F4);
        for (QAction *item : systemMenu->actions()) {
            QList<QKeySequence> keys = item->shortcuts();
            if (keys.removeAll(closeFile) > 0) {
                item->setShortcuts(keys);
            }
        }
    }
    if (document->testAttribute(Qt::WA_SetWindowIcon)) {
        sub->setWindowIcon(document->windowIcon());
    } else {
        sub->setWindowIcon(QIcon::fromTheme(qobject_cast<editor::TfrmSource *>(document) != nullptr
                                                ? QStringLiteral("text-x-script")
                                                : QStringLiteral("text-x-generic")));
    }
    connect(document, &QWidget::windowTitleChanged, this, &DocumentManager::documentsChanged);
    connect(sub, &QObject::destroyed, this, &DocumentManager::documentsChanged);
    if (previous != nullptr && previous->isMaximized()) {
        sub->showMaximized();
    } else {
        // Cascade new windows from the top left instead of scattering them.
        constexpr int kCascadeStep = 26;
        const QSize space = area_.viewport()->size();
        const int slot = static_cast<int>(area_.subWindowList().size() - 1) % 8;
        sub->resize(std::max(480, space.width() * 2 / 3), std::max(320, space.height() * 2 / 3));
        sub->move(slot * kCascadeStep, slot * kCascadeStep);
        sub->show();
    }
    area_.setActiveSubWindow(sub);
    emit documentsChanged();
}

TfrmVarTemplate *DocumentManager::activeDocument() const
{
    // The current window rather than the focused one: while a dialog, the splash or another
    // program has the focus, the commands still act on the window the user was working in.
    QMdiSubWindow *sub = area_.currentSubWindow();
    return sub != nullptr ? qobject_cast<TfrmVarTemplate *>(sub->widget()) : nullptr;
}

QList<TfrmVarTemplate *> DocumentManager::documents() const
{
    QList<TfrmVarTemplate *> result;
    for (QMdiSubWindow *sub : area_.subWindowList(QMdiArea::CreationOrder)) {
        if (auto *document = qobject_cast<TfrmVarTemplate *>(sub->widget())) {
            result << document;
        }
    }
    return result;
}

void DocumentManager::newSource()
{
    editor::TfrmSource *source =
        editor::CreateNewSource(frame_, QString::fromStdString(untitled_.nextCaption()));
    addDocument(source);
    source->Memo1->setFocus();
}

void DocumentManager::save()
{
    if (TfrmVarTemplate *document = activeDocument()) {
        document->SaveFile();
    } else {
        uibase::Dialogs().beep();
    }
}

void DocumentManager::saveAs()
{
    if (TfrmVarTemplate *document = activeDocument()) {
        // A listing never saves, so Save As would only lose the name it was opened under.
        if (auto *source = qobject_cast<editor::TfrmSource *>(document);
            source != nullptr && !source->IsSource) {
            return;
        }
        document->SaveAs();
    } else {
        uibase::Dialogs().beep();
    }
}

void DocumentManager::closeActive()
{
    if (activeDocument() != nullptr) {
        area_.currentSubWindow()->close();
    } else {
        uibase::Dialogs().beep();
    }
}

void DocumentManager::print()
{
    TfrmVarTemplate *document = activeDocument();
    if (document == nullptr || !document->traits().print) {
        uibase::Dialogs().beep();
        return;
    }
    uibase::PrintDocument(*document, frame_.statusPanel());
}

void DocumentManager::edit(uibase::EditCommand command)
{
    TfrmVarTemplate *document = activeDocument();
    if (document == nullptr || !document->traits().editCommands ||
        !document->runEditCommand(command)) {
        uibase::Dialogs().beep();
    }
}

void DocumentManager::applyEditorFont(const QFont &font)
{
    for (TfrmVarTemplate *document : documents()) {
        if (auto *text = qobject_cast<editor::TextDocumentWindow *>(document)) {
            text->applyFont(font);
        }
    }
}

bool DocumentManager::closeAll()
{
    // Only the documents: the tool windows stay until the main window goes.
    for (QMdiSubWindow *sub : area_.subWindowList(QMdiArea::CreationOrder)) {
        if (qobject_cast<TfrmVarTemplate *>(sub->widget()) != nullptr && !sub->close()) {
            uibase::SwitchToWindow(area_, sub);
            return false;
        }
    }
    return true;
}

} // namespace vexil::app
