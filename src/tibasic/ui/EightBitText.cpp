// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/EightBitText.h"

#include "tibasic/KeyboardFont.h"

namespace vexil::tibasic::ui {

namespace {

int Utf16Units(char32_t codePoint)
{
    return codePoint > 0xFFFF ? 2 : 1;
}

bool IsLineBreak(char32_t codePoint)
{
    return codePoint == U'\n' || codePoint == QChar::ParagraphSeparator ||
           codePoint == QChar::LineSeparator;
}

} // namespace

int EightBitText::editorOffsetOf(std::size_t bytePosition) const
{
    if (bytePosition >= editorOffsets.size()) {
        return editorLength;
    }
    return editorOffsets[bytePosition];
}

EightBitText ToEightBit(const QString &editorText)
{
    EightBitText result;
    const std::u32string codePoints = editorText.toStdU32String();
    int offset = 0;
    std::size_t i = 0;
    while (i < codePoints.size()) {
        const char32_t c = codePoints[i];
        if (IsLineBreak(c) || c == U'\r') {
            // A pasted CR LF is one break, like the "\n" the editor itself holds.
            const bool pair = c == U'\r' && i + 1 < codePoints.size() && codePoints[i + 1] == U'\n';
            result.text += "\r\n";
            result.editorOffsets.push_back(offset);
            result.editorOffsets.push_back(offset);
            offset += pair ? 2 : 1;
            i += pair ? 2 : 1;
            continue;
        }
        auto match = MatchKeyboardFont(codePoints, i);
        if (!match) {
            result.failedEditorOffset = offset;
            break;
        }
        result.text += static_cast<char>(match->byte);
        result.editorOffsets.push_back(offset);
        for (std::size_t k = 0; k < match->length; ++k) {
            offset += Utf16Units(codePoints[i + k]);
        }
        i += match->length;
    }
    result.editorLength = editorText.size();
    return result;
}

QString FromEightBit(const std::string &eightBit)
{
    QString text = QString::fromStdString(KeyboardFontToUtf8(eightBit));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString GlyphText(unsigned char byte)
{
    return QString::fromStdU32String(std::u32string(KeyboardFontGlyph(byte)));
}

} // namespace vexil::tibasic::ui
