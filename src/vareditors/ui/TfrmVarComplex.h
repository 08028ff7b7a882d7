// SPDX-License-Identifier: GPL-3.0-or-later
// The complex number editor (TI-83 only): a letter name and a real and an imaginary
// part, each taken like a real number; a refused part keeps its previous value.
#pragma once

#include "base/ui/VarEditorWindow.h"

class QComboBox;
class QLineEdit;

namespace vexil::vareditors {

class TfrmVarComplex : public uibase::VarEditorWindow {
    Q_OBJECT
public:
    explicit TfrmVarComplex(uibase::MainFrame &frame, QWidget *parent = nullptr);

    double realPart() const { return re_; }
    double imaginaryPart() const { return im_; }
    QComboBox *nameBox() const { return name_; }
    QLineEdit *realBox() const { return reEdit_; }
    QLineEdit *imaginaryBox() const { return imEdit_; }

protected:
    // Takes both boxes; shows the number message when either part is refused.
    void takeTypedEntry() override;
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    // The TI-82 has no complex numbers.
    void modelChanged() override { IsTI82 = false; }

private:
    void showValues(bool select);

    QComboBox *name_;
    QLineEdit *reEdit_;
    QLineEdit *imEdit_;
    double re_ = 0.0;
    double im_ = 0.0;
};

} // namespace vexil::vareditors
