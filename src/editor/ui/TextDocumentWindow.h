// SPDX-License-Identifier: GPL-3.0-or-later
// What the source and text windows share on top of the editor window base: the
// editor control Memo1 (line breaks CR LF, so offsets count a break as two
// characters), the font from the options, whole-file reading and atomic writing,
// and the routing of the Edit commands.
#pragma once

#include "base/ui/TfrmVarTemplate.h"
#include "editor/search/SearchCommands.h"
#include "editor/ui/TextEncoding.h"

class QsciScintilla;

namespace vexil::editor {

class TextDocumentWindow : public uibase::TfrmVarTemplate {
    Q_OBJECT
public:
    explicit TextDocumentWindow(uibase::MainFrame &frame, QWidget *parent = nullptr);

    QsciScintilla *Memo1;

    bool isModified() const override;
    void setModified(bool modified) override;
    uibase::DocumentTraits traits() const override;
    bool runEditCommand(uibase::EditCommand command) override;
    std::optional<uibase::PrintableText> printable() const override;

    void applyFont(const QFont &font);
    // Selects line number (1-based) entirely and focuses the editor; out of range: no change.
    void selectLine(int number);

    // Where Find, Search Again and the Replace dialog continue in this window.
    SearchState searchState;

protected:
    // Reads the whole file into the editor, line breaks made CR LF; reports failures.
    bool readIntoEditor(const QString &path);
    // Writes the editor's lines to path, each ending in CR LF; reports failures.
    bool writeFromEditor(const QString &path);
    // Asks for a file name; empty when cancelled.
    QString askSaveName(const QString &title, const QString &filter, const QString &suffix,
                        const QString &directory);
    // The bookkeeping after a successful write: caption, clean, current folder, recent files.
    void afterSave();

private:
    TextEncoding encoding_ = TextEncoding::Utf8;
};

} // namespace vexil::editor
