// SPDX-License-Identifier: GPL-3.0-or-later
// The text box of the program and string editors: token text shown as Unicode in a
// monospace font that has the Keyboard Font glyphs, read back as the exact 8-bit
// text the tokenizer sees. Copy gives Unicode; Paste also takes the spellings
// TI-BASIC sources on the web use ("->" for the store arrow, and so on).
#pragma once

#include "base/ui/TfrmVarTemplate.h"
#include "tibasic/ui/EightBitText.h"

#include <QPlainTextEdit>

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

    // Puts the caret at an editor offset with nothing selected.
    void placeCaret(int editorOffset);

    // The main window's Cut, Copy, Paste, Delete and Select All.
    bool runEditCommand(uibase::EditCommand command);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    bool tabTypesStoreArrow_ = false;
};

// The font every token text is shown in.
QFont TokenTextFont();

} // namespace vexil::tibasic::ui
