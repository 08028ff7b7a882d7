// SPDX-License-Identifier: GPL-3.0-or-later
// Colouring of Z80 assembler source in the editor, driven by the line tokenizer.
#pragma once

#include <Qsci/qscilexercustom.h>

namespace vexil::editor {

class Z80Lexer : public QsciLexerCustom {
    Q_OBJECT
public:
    enum Style { Default, Comment, Number, String, Instruction, Register, Directive, Label };

    explicit Z80Lexer(QObject *parent = nullptr);

    const char *language() const override { return "Z80"; }
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    void styleText(int start, int end) override;
    // One font for every style, so columns line up whatever the colour.
    void setEditorFont(const QFont &font);
};

} // namespace vexil::editor
