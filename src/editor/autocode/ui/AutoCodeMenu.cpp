// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/ui/AutoCodeMenu.h"

#include "base/ui/DialogService.h"
#include "editor/autocode/ui/TfrmAutocode.h"
#include "editor/ui/TfrmSource.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>

namespace vexil::editor {

AutoCodeMenu::AutoCodeMenu(QMenu &menu, std::filesystem::path programDirectory,
                           std::function<TfrmSource *()> activeSource, QWidget *dialogParent)
    : QObject(&menu), menu_(menu), library_(std::move(programDirectory)),
      activeSource_(std::move(activeSource)), dialogParent_(dialogParent)
{
    autoCodes = menu_.addAction(tr("&AutoCodes..."));
    autoCodes->setToolTip(tr("AutoCodes"));
    autoCodes->setStatusTip(tr("Add, rename, delete and edit the AutoCode entries."));
    menu_.addSeparator();
    none = menu_.addAction(QStringLiteral("(None)"));
    none->setEnabled(false);
    none->setStatusTip(QStringLiteral("You cannot insert an AutoCode entry since none exist."));
    connect(autoCodes, &QAction::triggered, this, &AutoCodeMenu::showDialog);
}

void AutoCodeMenu::load()
{
    library_.load();
    rebuild();
}

void AutoCodeMenu::rebuild()
{
    qDeleteAll(entryActions_);
    entryActions_.clear();
    none->setVisible(library_.entries.isEmpty());
    for (int i = 0; i < library_.entries.size(); ++i) {
        // Ampersands in a name are shown, not taken as accelerator marks.
        QString caption = AutoCodeEntryName(library_.entries[i]);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = menu_.addAction(caption);
        item->setStatusTip(QStringLiteral("Insert the selected AutoCode entry"));
        connect(item, &QAction::triggered, this, [this, i] { insert(i); });
        entryActions_ << item;
    }
    const QString error = library_.save();
    if (!error.isEmpty()) {
        uibase::Dialogs().message(uibase::MessageKind::Error,
                                  tr("The AutoCode entries were not saved.\n%1").arg(error),
                                  uibase::Buttons::Ok);
    }
}

void AutoCodeMenu::showDialog()
{
    TfrmAutocode dialog(library_.entries, library_.filePath().parent_path(), dialogParent_);
    if (dialog.exec() == QDialog::Accepted) {
        library_.entries = dialog.entries();
        rebuild();
    }
}

void AutoCodeMenu::insert(int index)
{
    TfrmSource *source = activeSource_ ? activeSource_() : nullptr;
    if (source == nullptr || !source->IsSource || index < 0 || index >= library_.entries.size()) {
        uibase::Dialogs().beep();
        return;
    }
    QsciScintilla *memo = source->Memo1;
    const QByteArray code = AutoCodeEntryCode(library_.entries[index]).toUtf8();
    const auto start =
        static_cast<unsigned long>(memo->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART));
    memo->SendScintilla(QsciScintilla::SCI_SETEMPTYSELECTION, start);
    memo->SendScintilla(QsciScintilla::SCI_INSERTTEXT, start, code.constData());
    memo->SendScintilla(QsciScintilla::SCI_GOTOPOS,
                        start + static_cast<unsigned long>(code.size()));
    memo->setFocus();
}

} // namespace vexil::editor
