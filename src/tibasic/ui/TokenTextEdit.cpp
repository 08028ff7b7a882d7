// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TokenTextEdit.h"

#include "tibasic/PastedText.h"
#include "tibasic/Tokenizer.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>

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

bool TokenTextEdit::runEditCommand(vareditors::EditCommand command)
{
    switch (command) {
    case vareditors::EditCommand::Cut:
        cut();
        break;
    case vareditors::EditCommand::Copy:
        copy();
        break;
    case vareditors::EditCommand::Paste:
        paste();
        break;
    case vareditors::EditCommand::Delete:
        textCursor().removeSelectedText();
        break;
    case vareditors::EditCommand::SelectAll:
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
    if (!source->hasText())
        return;
    // NFC, never NFKC: compatibility folding would turn ² and ₁ into plain digits.
    const QString composed = source->text().normalized(QString::NormalizationForm_C);
    const QString normalised = QString::fromStdString(NormalisePastedText(composed.toStdString()));
    // Text with a character that has no token is pasted as it is; saving points it out.
    const EightBitText eightBit = ToEightBit(normalised);
    if (!eightBit.ok()) {
        insertPlainText(normalised);
        return;
    }
    insertPlainText(
        FromEightBit(RestoreOmittedBlanks(model_, eightBit.text, pasteEndsStatement())));
}

bool TokenTextEdit::pasteEndsStatement() const
{
    QTextCursor after = textCursor();
    after.setPosition(after.selectionEnd());
    after.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    const QString rest = after.selectedText();
    return rest.isEmpty() || rest.startsWith(QLatin1Char(':'));
}

} // namespace vexil::tibasic::ui
