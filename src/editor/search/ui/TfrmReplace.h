// SPDX-License-Identifier: GPL-3.0-or-later
// The Replace dialog: stays on top and is created once, so its texts and boxes are
// kept from one use to the next. The three action buttons work only while there is
// something to find.
#pragma once

#include "editor/search/SearchCommands.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vexil::editor {

class TfrmReplace : public QDialog {
    Q_OBJECT
public:
    explicit TfrmReplace(QWidget *parent = nullptr);

    ReplaceRequest request() const;

    QLineEdit *Edit1;     // "Fi&nd what:"
    QLineEdit *Edit2;     // "Re&place with:"
    QCheckBox *CheckBox1; // "Match &whole word only"
    QCheckBox *CheckBox2; // "Match &case"
    QCheckBox *CheckBox3; // "Replace in &selection only"
    QPushButton *Button1; // "&Find Next"
    QPushButton *Button2; // "&Replace"
    QPushButton *Button3; // "Replace &All"

    // Shows the dialog a third of the screen down, centred; "in selection only" is
    // ticked when the editor has a selection.
    void showDialog(bool editorHasSelection);

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();
    // The user ticked "Replace in selection only": the selection now is what it means.
    void selectionOnlyTicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void enableActions();
};

} // namespace vexil::editor
