// SPDX-License-Identifier: GPL-3.0-or-later
// The string editor (TI-83 only): Str1..Str0 and the string's text as TI-83 token
// text, saved only when every character belongs to a token. Tokens that do not
// decode reversibly are reported on opening, and a save over them asks first.
#pragma once

#include "base/ui/VarEditorWindow.h"
#include "tibasic/ui/IrreversibleTokensGuard.h"
#include "tibasic/ui/TokenInsertTarget.h"

class QComboBox;
class QPushButton;

namespace vexil::tibasic::ui {
class TokenTextEdit;
}

namespace vexil::vareditors {

class TfrmVarString : public uibase::VarEditorWindow, public tibasic::ui::TokenInsertTarget {
    Q_OBJECT
public:
    explicit TfrmVarString(uibase::MainFrame &frame, QWidget *parent = nullptr);

    bool LoadFile(const QString &fileName) override;
    bool SaveFile() override;

    QComboBox *nameBox() const { return name_; }
    tibasic::ui::TokenTextEdit *textBox() const { return text_; }
    QPushButton *showKeypadButton() const { return showKeypad_; }

    tibasic::ui::TokenTargetKind tokenTargetKind() const override
    {
        return tibasic::ui::TokenTargetKind::String;
    }
    void insertTokenText(std::string_view eightBit) override;

protected:
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override { IsTI82 = false; }

private:
    QComboBox *name_;
    tibasic::ui::TokenTextEdit *text_;
    QPushButton *showKeypad_;
    tibasic::ui::IrreversibleTokensGuard irreversible_;
};

} // namespace vexil::vareditors
