// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/ui/EditorSearchText.h"

#include <Qsci/qsciscintilla.h>

namespace vexil::editor {

EditorSearchText::EditorSearchText(QsciScintilla &editor) : editor_(editor)
{
    reload();
}

void EditorSearchText::reload()
{
    const auto length = editor_.SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const auto *bytes = reinterpret_cast<const char *>(
        editor_.SendScintilla(QsciScintilla::SCI_GETCHARACTERPOINTER));
    text_ = IndexedText(std::string_view(bytes, static_cast<std::size_t>(length)));
}

TextRange EditorSearchText::selection() const
{
    const int start = text_.charOffset(
        static_cast<int>(editor_.SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART)));
    const int end = text_.charOffset(
        static_cast<int>(editor_.SendScintilla(QsciScintilla::SCI_GETSELECTIONEND)));
    return {start, end - start};
}

void EditorSearchText::select(TextRange range)
{
    // Focus goes to the editor inside its window; an open find dialog stays the active
    // window, so Enter there searches on.
    editor_.setFocus();
    editor_.SendScintilla(QsciScintilla::SCI_SETSEL,
                          static_cast<unsigned long>(text_.byteOffset(range.start)),
                          static_cast<long>(text_.byteOffset(range.end())));
}

void EditorSearchText::placeCaret(int offset)
{
    editor_.setFocus();
    editor_.SendScintilla(QsciScintilla::SCI_GOTOPOS,
                          static_cast<unsigned long>(text_.byteOffset(offset)));
}

void EditorSearchText::replaceBytes(int from, int to, const std::string &with)
{
    editor_.SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, static_cast<unsigned long>(from),
                          static_cast<long>(to));
    editor_.SendScintilla(QsciScintilla::SCI_REPLACETARGET, static_cast<unsigned long>(with.size()),
                          with.c_str());
}

void EditorSearchText::replace(TextRange range, std::u32string_view with)
{
    const std::string bytes = CharsToUtf8(with);
    const int from = text_.byteOffset(range.start);
    replaceBytes(from, text_.byteOffset(range.end()), bytes);
    editor_.SendScintilla(QsciScintilla::SCI_GOTOPOS,
                          static_cast<unsigned long>(from + static_cast<int>(bytes.size())));
    reload();
}

void EditorSearchText::replaceEach(const std::vector<int> &starts, int length,
                                   std::u32string_view with)
{
    const std::string bytes = CharsToUtf8(with);
    editor_.SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    // From the last to the first, so the offsets before each one still hold.
    for (auto at = starts.rbegin(); at != starts.rend(); ++at) {
        replaceBytes(text_.byteOffset(*at), text_.byteOffset(*at + length), bytes);
    }
    editor_.SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
    reload();
}

} // namespace vexil::editor
