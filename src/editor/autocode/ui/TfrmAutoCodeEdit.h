// SPDX-License-Identifier: GPL-3.0-or-later
// The editor of one AutoCode entry's code. "&OK" keeps the text, "Cancel" (or Esc)
// drops it, and closing the window any other way asks whether to keep it.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vexil::editor {

class TfrmAutoCodeEdit : public QDialog {
    Q_OBJECT
public:
    TfrmAutoCodeEdit(const QString &name, const QString &code, QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *okButton;
    QPushButton *cancelButton;

    // The edited code, line breaks CR LF.
    QString code() const;

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace vexil::editor
