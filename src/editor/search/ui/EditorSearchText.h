// SPDX-License-Identifier: GPL-3.0-or-later
// A source or text window's editor as the search commands see it: its text in
// characters (CR LF two of them), selections and replacements turned into the
// editor's own byte positions.
#pragma once

#include "editor/search/IndexedText.h"
#include "editor/search/SearchCommands.h"

class QsciScintilla;

namespace vexil::editor {

class EditorSearchText : public SearchableText {
public:
    explicit EditorSearchText(QsciScintilla &editor);

    std::u32string_view text() const override { return text_.chars(); }
    TextRange selection() const override;
    void select(TextRange range) override;
    void placeCaret(int offset) override;
    void replace(TextRange range, std::u32string_view with) override;
    void replaceEach(const std::vector<int> &starts, int length, std::u32string_view with) override;

private:
    void reload();
    void replaceBytes(int from, int to, const std::string &with);

    QsciScintilla &editor_;
    IndexedText text_;
};

} // namespace vexil::editor
