// SPDX-License-Identifier: GPL-3.0-or-later
// The function editor: one Y-variable of either model (Y1..Y0, X1T..Y6T, r1..r6
// and the sequence equations) and its equation as token text. "Show Keypad"
// shows the keypad of the editor's calculator, which types into the equation. An equation whose
// tokens do not decode reversibly is reported on opening, and a save asks first.
#pragma once

#include "base/ui/VarEditorWindow.h"
#include "tibasic/ui/IrreversibleTokensGuard.h"
#include "tibasic/ui/TokenInsertTarget.h"

#include <memory>

class QComboBox;
class QPushButton;

namespace vexil::uibase {
class ProgressWindow;
}

namespace vexil::tibasic::ui {
class TokenTextEdit;
}

namespace vexil::vareditors {

class TfrmVarFunc : public uibase::VarEditorWindow, public tibasic::ui::TokenInsertTarget {
    Q_OBJECT
public:
    explicit TfrmVarFunc(uibase::MainFrame &frame, QWidget *parent = nullptr);
    ~TfrmVarFunc() override;

    bool LoadFile(const QString &fileName) override;
    bool SaveFile() override;

    QComboBox *nameBox() const { return name_; }
    tibasic::ui::TokenTextEdit *equationBox() const { return equation_; }
    QPushButton *keypadButton() const { return keypad_; }

    tibasic::ui::TokenTargetKind tokenTargetKind() const override
    {
        return tibasic::ui::TokenTargetKind::Function;
    }
    void insertTokenText(std::string_view eightBit) override;

protected:
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override;
    void beginSaving() override;
    void endSaving() override;

private:
    varfile::CalcModel model() const;
    void showNames();

    QComboBox *name_;
    tibasic::ui::TokenTextEdit *equation_;
    QPushButton *keypad_;
    std::unique_ptr<uibase::ProgressWindow> progress_;
    tibasic::ui::IrreversibleTokensGuard irreversible_;
};

} // namespace vexil::vareditors
