// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ui/Z80Lexer.h"

#include "editor/Z80Tokens.h"

#include <Qsci/qsciscintilla.h>

#include <string_view>

namespace vexil::editor {

Z80Lexer::Z80Lexer(QObject *parent) : QsciLexerCustom(parent) {}

QString Z80Lexer::description(int style) const
{
    switch (style) {
    case Default:
        return tr("Default");
    case Comment:
        return tr("Comment");
    case Number:
        return tr("Number");
    case String:
        return tr("String");
    case Instruction:
        return tr("Instruction");
    case Register:
        return tr("Register");
    case Directive:
        return tr("Directive");
    case Label:
        return tr("Label");
    default:
        return {};
    }
}

QColor Z80Lexer::defaultColor(int style) const
{
    switch (style) {
    case Comment:
        return QColor(0x00, 0x80, 0x00);
    case Number:
        return QColor(0xA0, 0x30, 0x00);
    case String:
        return QColor(0x80, 0x00, 0x80);
    case Instruction:
        return QColor(0x00, 0x00, 0xC0);
    case Register:
        return QColor(0x80, 0x40, 0x00);
    case Directive:
        return QColor(0x00, 0x70, 0x80);
    case Label:
        return QColor(0x60, 0x00, 0x00);
    default:
        return Qt::black;
    }
}

void Z80Lexer::setEditorFont(const QFont &font)
{
    setDefaultFont(font);
    for (int style = Default; style <= Label; ++style) {
        setFont(font, style);
    }
}

void Z80Lexer::styleText(int start, int end)
{
    QsciScintilla *scintilla = editor();
    if (scintilla == nullptr) {
        return;
    }
    // Restyle whole lines: nothing in the language spans a line break.
    const long firstLine = scintilla->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, start);
    const long lastLine = scintilla->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, end);
    const long from = scintilla->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, firstLine);
    startStyling(static_cast<int>(from));
    for (long line = firstLine; line <= lastLine; ++line) {
        const long lineStart = scintilla->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
        const long lineEnd = scintilla->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
        const long next =
            line + 1 < scintilla->lines()
                ? scintilla->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line + 1)
                : lineEnd;
        // The text range call writes a terminating zero after the line.
        QByteArray bytes(static_cast<qsizetype>(lineEnd - lineStart + 1), '\0');
        scintilla->SendScintilla(QsciScintilla::SCI_GETTEXTRANGE, static_cast<int>(lineStart),
                                 static_cast<int>(lineEnd), bytes.data());
        bytes.chop(1);
        std::size_t at = 0;
        for (const Z80Token &token : TokenizeZ80Line(
                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
            if (token.start > at) {
                setStyling(static_cast<int>(token.start - at), Default);
            }
            setStyling(static_cast<int>(token.length), static_cast<int>(token.kind));
            at = token.start + token.length;
        }
        const long rest = next - lineStart - static_cast<long>(at);
        if (rest > 0) {
            setStyling(static_cast<int>(rest), Default);
        }
    }
}

} // namespace vexil::editor
