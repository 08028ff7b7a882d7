// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/ui/SearchMenu.h"

#include "base/ui/DialogService.h"
#include "editor/search/GoToLine.h"
#include "editor/search/ui/EditorSearchText.h"
#include "editor/search/ui/TfrmFind.h"
#include "editor/search/ui/TfrmReplace.h"
#include "editor/ui/TextDocumentWindow.h"

#include <Qsci/qsciscintilla.h>

namespace vexil::editor {
namespace {

void TellNotFound()
{
    uibase::Dialogs().message(uibase::MessageKind::Information, QString::fromLatin1(kTextNotFound),
                              uibase::Buttons::Ok);
}

} // namespace

SearchMenu::SearchMenu(ActiveWindow activeWindow, QWidget *dialogParent)
    : QObject(dialogParent), activeWindow_(std::move(activeWindow)),
      find_(new TfrmFind(dialogParent)), replace_(new TfrmReplace(dialogParent))
{
    connect(find_, &TfrmFind::findNextRequested, this, &SearchMenu::findNext);
    connect(replace_, &TfrmReplace::findNextRequested, this, &SearchMenu::replaceFindNext);
    connect(replace_, &TfrmReplace::replaceRequested, this, &SearchMenu::replaceOne);
    connect(replace_, &TfrmReplace::replaceAllRequested, this, &SearchMenu::replaceAll);
    connect(replace_, &TfrmReplace::selectionOnlyTicked, this, &SearchMenu::beginScope);
}

TextDocumentWindow *SearchMenu::target()
{
    TextDocumentWindow *window = activeWindow_();
    if (window == nullptr || !window->traits().search) {
        uibase::Dialogs().beep();
        return nullptr;
    }
    return window;
}

TextDocumentWindow *SearchMenu::editableTarget()
{
    TextDocumentWindow *window = target();
    if (window != nullptr && window->Memo1->isReadOnly()) {
        uibase::Dialogs().beep();
        return nullptr;
    }
    return window;
}

void SearchMenu::Find1Click()
{
    if (target() != nullptr) {
        find_->showDialog();
    }
}

void SearchMenu::findNext()
{
    if (TextDocumentWindow *window = target()) {
        EditorSearchText text(*window->Memo1);
        if (FindNext(text, window->searchState, find_->query()) == SearchOutcome::NotFound) {
            TellNotFound();
        }
    }
}

void SearchMenu::SearchAgain1Click()
{
    TextDocumentWindow *window = target();
    if (window == nullptr) {
        return;
    }
    EditorSearchText text(*window->Memo1);
    switch (SearchAgain(text, window->searchState, find_->query())) {
    case SearchOutcome::ShowFindDialog:
        find_->showDialog();
        break;
    case SearchOutcome::NotFound:
        TellNotFound();
        break;
    case SearchOutcome::Found:
        break;
    }
}

void SearchMenu::Replace1Click()
{
    TextDocumentWindow *window = target();
    if (window == nullptr) {
        return;
    }
    const bool selection = window->Memo1->hasSelectedText();
    replace_->showDialog(selection);
    if (selection) {
        beginScope();
    }
}

void SearchMenu::beginScope()
{
    if (TextDocumentWindow *window = activeWindow_()) {
        EditorSearchText text(*window->Memo1);
        BeginSelectionScope(text, window->searchState);
    }
}

void SearchMenu::replaceFindNext()
{
    if (TextDocumentWindow *window = target()) {
        EditorSearchText text(*window->Memo1);
        if (ReplaceFindNext(text, window->searchState, replace_->request()) ==
            SearchOutcome::NotFound) {
            TellNotFound();
        }
    }
}

void SearchMenu::replaceOne()
{
    if (TextDocumentWindow *window = editableTarget()) {
        EditorSearchText text(*window->Memo1);
        if (ReplaceNext(text, window->searchState, replace_->request()) ==
            SearchOutcome::NotFound) {
            TellNotFound();
        }
    }
}

void SearchMenu::replaceAll()
{
    TextDocumentWindow *window = editableTarget();
    if (window == nullptr) {
        return;
    }
    EditorSearchText text(*window->Memo1);
    const int count = ReplaceAll(text, window->searchState, replace_->request());
    uibase::Dialogs().message(uibase::MessageKind::Information,
                              QString::fromStdString(ReplaceAllMessage(count)),
                              uibase::Buttons::Ok);
    replace_->close();
}

void SearchMenu::GoToLine1Click()
{
    TextDocumentWindow *window = target();
    if (window == nullptr) {
        return;
    }
    const std::optional<QString> answer =
        uibase::Dialogs().inputText(tr("Go to Line"), tr("Enter line number to go to:"), {});
    if (!answer) {
        return;
    }
    const GoToLineAnswer line = ParseGoToLine(answer->toStdString());
    if (line.kind == GoToLineAnswer::Kind::TooLarge) {
        uibase::Dialogs().message(uibase::MessageKind::Warning,
                                  QString::fromLatin1(kGoToLineTooLarge), uibase::Buttons::Ok);
    } else if (line.kind == GoToLineAnswer::Kind::Line) {
        if (const auto target = GoToLineTarget(line.number, window->Memo1->lines())) {
            window->selectLine(*target);
        }
    }
}

} // namespace vexil::editor
