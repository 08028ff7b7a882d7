// SPDX-License-Identifier: GPL-3.0-or-later
// "File Already Exists": what to do with a received variable whose file is
// already there. Rename needs a name; OK keeps the dialog open until it has one.
#pragma once

#include "link/transfer/TransferView.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexil::link::ui {

class TfrmExists : public QDialog {
    Q_OBJECT
public:
    explicit TfrmExists(QWidget *parent = nullptr);

    // Shows `message` and waits for the choice.
    transfer::ExistsAnswer ask(const QString &message);

    QLabel *Label1;
    QRadioButton *RadioRename;
    QRadioButton *RadioOverwrite;
    QRadioButton *RadioOmit;
    QRadioButton *RadioQuit;
    QLineEdit *Edit1;
    QPushButton *Button1;

    transfer::ExistsChoice choice() const;

    // Escape and the window manager's close do nothing: leaving without a
    // choice would act on whichever option happened to be selected.
    void reject() override;

private:
    void Button1Click();
};

} // namespace vexil::link::ui
