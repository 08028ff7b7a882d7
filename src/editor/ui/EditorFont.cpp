// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ui/EditorFont.h"

#include "editor/ui/Z80Lexer.h"

#include <Qsci/qsciscintilla.h>

namespace vexil::editor {

QFont EditorFont(const app::Options &options)
{
    QFont font(QString::fromStdString(options.fontName));
    font.setStyleHint(QFont::Monospace);
    // A size the Options dialog would refuse can only come from a damaged Vexil.opt.
    font.setPointSize(static_cast<int>(app::IsEditorFontSize(options.fontSize)
                                           ? options.fontSize
                                           : app::DefaultOptions().fontSize));
    font.setBold((options.fontStyle & app::kFontBold) != 0);
    font.setItalic((options.fontStyle & app::kFontItalic) != 0);
    return font;
}

void ApplyEditorFont(QsciScintilla &editor, const QFont &font)
{
    int lineFrom = 0, indexFrom = 0, lineTo = 0, indexTo = 0;
    editor.getSelection(&lineFrom, &indexFrom, &lineTo, &indexTo);
    const long caret = editor.SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long anchor = editor.SendScintilla(QsciScintilla::SCI_GETANCHOR);
    if (auto *lexer = qobject_cast<Z80Lexer *>(editor.lexer())) {
        lexer->setEditorFont(font);
    } else {
        editor.setFont(font);
    }
    editor.setMarginsFont(font);
    editor.setMarginWidth(0, QStringLiteral("00000"));
    editor.SendScintilla(QsciScintilla::SCI_SETSEL, anchor, caret);
}

} // namespace vexil::editor
