// SPDX-License-Identifier: GPL-3.0-or-later
// The text box of the program and string editors: token text shown as Unicode in a
// monospace font that has the Keyboard Font glyphs, read back as the exact 8-bit
// text the tokenizer sees. Copy gives Unicode; Paste also takes the spellings
// TI-BASIC sources on the web use ("->" for the store arrow, and so on) and puts
// back the blank such sources leave off a token at the end of a statement
// ("Pause" becomes "Pause "). Typed text is taken exactly as typed.
#pragma once

#include "base/ui/TfrmVarTemplate.h"
#include "tibasic/Tokenizer.h"
#include "tibasic/ui/EightBitText.h"

#include <QPlainTextEdit>

#include <string_view>

namespace vexil::tibasic::ui {

class TokenTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TokenTextEdit(QWidget *parent = nullptr);

    // Replaces the whole text; the document counts as unmodified afterwards.
    void setEightBitText(const std::string &eightBit);
    EightBitText eightBitText() const;

    // Tab types the store arrow instead of a tab (program editors).
    void setTabTypesStoreArrow(bool on) { tabTypesStoreArrow_ = on; }
    // Whose tokens pasted text is matched against; the TI-83's unless set.
    void setModel(CalcModel model) { model_ = model; }

    // Puts the caret at an editor offset with nothing selected.
    void placeCaret(int editorOffset);

    // Types 8-bit token text at the caret, keeping any selected text (the keypads
    // and token menus add tokens; they never replace what is there).
    void insertTokenText(std::string_view eightBit);

    // The main window's Cut, Copy, Paste, Delete and Select All.
    bool runEditCommand(uibase::EditCommand command);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Where pasted text lands: at the end of a statement when the line holds
    // nothing after the selection but maybe a ":", and inside a string when the
    // line opens one before it.
    InsertionPlace pastePlace() const;

    bool tabTypesStoreArrow_ = false;
    CalcModel model_ = CalcModel::TI83;
};

// The font every token text is shown in.
QFont TokenTextFont();

} // namespace vexil::tibasic::ui
