// SPDX-License-Identifier: GPL-3.0-or-later
// The table setup editor: the table's first value ("TblMin =" on the TI-82,
// "TblStart =" on the TI-83) and its step ("DeltaTbl ="). Each box is taken like
// a real number's; a refused entry shows the number message and becomes 0.
#pragma once

#include "base/ui/VarEditorWindow.h"

class QLabel;
class QLineEdit;

namespace vexil::vareditors {

class TfrmVarTable : public uibase::VarEditorWindow {
    Q_OBJECT
public:
    explicit TfrmVarTable(uibase::MainFrame &frame, QWidget *parent = nullptr);

    QLabel *startLabel() const { return startLabel_; }
    QLineEdit *startBox() const { return start_; }
    QLineEdit *stepBox() const { return step_; }

protected:
    void takeTypedEntry() override;
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override;

private:
    QLabel *startLabel_;
    QLineEdit *start_;
    QLineEdit *step_;
};

} // namespace vexil::vareditors
