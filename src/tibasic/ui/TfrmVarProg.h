// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-BASIC program editors: program name, "Protected", and the program as token
// text. Saving encodes the whole text before anything is written, so a text that
// holds no token at some position leaves the previous file as it was. A program
// whose tokens do not decode reversibly is shown with a warning, and a save that
// would change those bytes asks first; another calculator's file is not opened.
#pragma once

#include "base/ui/VarEditorWindow.h"
#include "tibasic/ui/IrreversibleTokensGuard.h"
#include "tibasic/ui/TokenInsertTarget.h"

#include <memory>

class QCheckBox;
class QLineEdit;

namespace vexil::uibase {
class ProgressWindow;
}

namespace vexil::tibasic::ui {

class TokenTextEdit;

inline const char *const kInvalidProgramToken = "Invalid program token found.";

class TfrmVarProg : public uibase::VarEditorWindow, public TokenInsertTarget {
    Q_OBJECT
public:
    TfrmVarProg(uibase::MainFrame &frame, bool isTI82, QWidget *parent = nullptr);

    ~TfrmVarProg() override;

    // False, with a message, for a file of the TI-83 Plus or another calculator.
    bool LoadFile(const QString &fileName) override;
    bool SaveFile() override;

    bool isModified() const override;
    void setModified(bool modified) override;

    uibase::DocumentTraits traits() const override;
    bool runEditCommand(uibase::EditCommand command) override;
    // The program as the editor shows it, in the calculator's glyphs.
    std::optional<uibase::PrintableText> printable() const override;

    // The keypads type into the program text, wherever the focus is in the window.
    TokenTargetKind tokenTargetKind() const override { return TokenTargetKind::Program; }
    void insertTokenText(std::string_view eightBit) override;

    QLineEdit *nameBox() const { return name_; }
    QCheckBox *protectedBox() const { return protected_; }
    TokenTextEdit *textBox() const { return text_; }

protected:
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override { IsTI82 = fixedModelIsTI82_; }
    void beginSaving() override;
    void endSaving() override;

private:
    varfile::CalcModel model() const;
    // The token bytes of the text, with the progress bar following the characters
    // consumed; nothing after the invalid-token message.
    std::optional<varfile::Bytes> encodeText();

    std::unique_ptr<uibase::ProgressWindow> progress_;
    IrreversibleTokensGuard irreversible_;
    QString foreignFile_; // the refusal, when the last file was another calculator's

    bool fixedModelIsTI82_;
    QLineEdit *name_;
    QCheckBox *protected_;
    TokenTextEdit *text_;
};

class TfrmVarProg82 : public TfrmVarProg {
    Q_OBJECT
public:
    explicit TfrmVarProg82(uibase::MainFrame &frame, QWidget *parent = nullptr)
        : TfrmVarProg(frame, true, parent)
    {
    }
};

class TfrmVarProg83 : public TfrmVarProg {
    Q_OBJECT
public:
    explicit TfrmVarProg83(uibase::MainFrame &frame, QWidget *parent = nullptr)
        : TfrmVarProg(frame, false, parent)
    {
    }
};

} // namespace vexil::tibasic::ui
