// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TokenTextEdit.h"

#include "tibasic/PastedText.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

#include <algorithm>

namespace vexil::tibasic::ui {

namespace {

constexpr unsigned char kStoreArrow = 0xFC;

} // namespace

QFont TokenTextFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(11);
    return font;
}

TokenTextEdit::TokenTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    setFont(TokenTextFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
}

void TokenTextEdit::setEightBitText(const std::string &eightBit)
{
    setPlainText(FromEightBit(eightBit));
    document()->setModified(false);
}

EightBitText TokenTextEdit::eightBitText() const
{
    return ToEightBit(toPlainText());
}

void TokenTextEdit::placeCaret(int editorOffset)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(editorOffset, 0, document()->characterCount() - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TokenTextEdit::insertTokenText(std::string_view eightBit)
{
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    cursor.insertText(FromEightBit(std::string(eightBit)));
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool TokenTextEdit::runEditCommand(uibase::EditCommand command)
{
    switch (command) {
    case uibase::EditCommand::Cut:
        cut();
        break;
    case uibase::EditCommand::Copy:
        copy();
        break;
    case uibase::EditCommand::Paste:
        paste();
        break;
    case uibase::EditCommand::Delete:
        textCursor().removeSelectedText();
        break;
    case uibase::EditCommand::SelectAll:
        selectAll();
        break;
    }
    return true;
}

void TokenTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (tabTypesStoreArrow_ && event->key() == Qt::Key_Tab &&
        event->modifiers() == Qt::NoModifier) {
        insertPlainText(GlyphText(kStoreArrow));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool TokenTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void TokenTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText()) {
        return;
    }
    // NFC, never NFKC: compatibility folding would turn ² and ₁ into plain digits.
    const QString composed = source->text().normalized(QString::NormalizationForm_C);
    const QString normalised = QString::fromStdString(NormalisePastedText(composed.toStdString()));
    // Text with a character that has no token is pasted as it is; saving points it out.
    const EightBitText eightBit = ToEightBit(normalised);
    if (!eightBit.ok()) {
        insertPlainText(normalised);
        return;
    }
    insertPlainText(FromEightBit(RestoreOmittedBlanks(model_, eightBit.text, pastePlace())));
}

InsertionPlace TokenTextEdit::pastePlace() const
{
    const QTextCursor cursor = textCursor();
    InsertionPlace place;
    // A string runs from a quote to the next one, a store arrow or the line's end.
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    for (const QChar c : first.text().left(cursor.selectionStart() - first.position())) {
        if (c == QLatin1Char('"')) {
            place.insideString = !place.insideString;
        } else if (c == GlyphText(kStoreArrow).front()) {
            place.insideString = false;
        }
    }
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    const QString rest = last.text().mid(cursor.selectionEnd() - last.position());
    place.endsStatement = rest.isEmpty() || rest.startsWith(QLatin1Char(':'));
    return place;
}

} // namespace vexil::tibasic::ui
