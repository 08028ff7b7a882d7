// SPDX-License-Identifier: GPL-3.0-or-later
// The real number editor: a letter name (A..Z, Theta) and one value. An entry is
// taken on Enter, when the box is left and when the window is (de)activated; it is
// rounded to 14 digits and must lie strictly between -1E100 and 1E100.
#pragma once

#include "base/ui/VarEditorWindow.h"

class QComboBox;
class QLineEdit;

namespace vexil::vareditors {

class TfrmVarReal : public uibase::VarEditorWindow {
    Q_OBJECT
public:
    explicit TfrmVarReal(uibase::MainFrame &frame, QWidget *parent = nullptr);

    double value() const { return value_; }
    QComboBox *nameBox() const { return name_; }
    QLineEdit *valueBox() const { return edit_; }

protected:
    // Takes the value box's text; shows the number message when it is refused.
    void takeTypedEntry() override;
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;

private:
    void showValue();

    QComboBox *name_;
    QLineEdit *edit_;
    double value_ = 0.0;
};

} // namespace vexil::vareditors
