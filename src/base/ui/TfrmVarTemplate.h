// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every document window that edits one file: source and text windows,
// and the calculator variable editors. It holds the file name and the model, and
// the protocol the main window relies on: LoadFile, SaveFile, the modified flag,
// Save As and the question asked before a changed window closes.
#pragma once

#include "base/ui/DocumentPrint.h"
#include "base/ui/MainFrame.h"

#include <QWidget>

#include <optional>

namespace vexil::uibase {

// Which main-window commands a document window answers.
struct DocumentTraits {
    bool editCommands = false; // Cut, Copy, Paste, Delete, Select All
    bool print = false;
    bool search = false;
    bool assemble = false; // an assembler source window
};

enum class EditCommand { Cut, Copy, Paste, Delete, SelectAll };

class TfrmVarTemplate : public QWidget {
    Q_OBJECT
public:
    explicit TfrmVarTemplate(MainFrame &frame, QWidget *parent = nullptr);

    QString FileName; // full path; empty until the window is saved or loaded
    bool IsTI82 = false;

    // Loads FileName's file (the caller has set FileName). False when the load failed
    // and the window has told the user why.
    virtual bool LoadFile(const QString &fileName) = 0;
    // Writes the window to FileName, asking for a name when there is none. False when
    // the user cancelled or the write failed (the window has said why).
    virtual bool SaveFile() = 0;

    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    virtual DocumentTraits traits() const { return {}; }
    // False when the command does not apply here; the caller then beeps.
    virtual bool runEditCommand(EditCommand) { return false; }
    // The text File > Print puts on paper; nothing for windows that do not print.
    virtual std::optional<PrintableText> printable() const { return std::nullopt; }

    // Save As of the main window: asks for a new name; the old name stays on failure.
    bool SaveAs();

    // True when the window may close: clean, or the user answered the question.
    bool CloseQuery();

protected:
    // Windows that never hold unsaved work (read-only listings) close without asking.
    virtual bool alwaysMayClose() const { return false; }
    void closeEvent(QCloseEvent *event) override;
    // The name shown in the close question: FileName, or the caption for a new window.
    QString questionName() const;

    MainFrame &frame_;
};

} // namespace vexil::uibase
