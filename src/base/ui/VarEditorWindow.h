// SPDX-License-Identifier: GPL-3.0-or-later
// The load and save protocol every calculator variable editor follows: read the
// whole file and let the editor take it apart, showing the editor's message when
// the file is damaged; on save ask for a name when there is none, let the editor
// build the bytes (it reports its own refusals), write them atomically, then set
// the title, clear the modified flag, change to the file's folder and remember it.
//
// Editors whose typed values count only once they are taken (numbers in edit
// boxes) hand their boxes to takeEntriesFrom: the entry is then taken on Enter,
// when a box is left and whenever this or another document window becomes active.
#pragma once

#include "base/ui/TfrmVarTemplate.h"
#include "base/ui/VarEditorTexts.h"
#include "varfile/CalcModel.h"

#include <initializer_list>
#include <optional>

class QLineEdit;

namespace vexil::uibase {

class VarEditorWindow : public TfrmVarTemplate {
    Q_OBJECT
public:
    VarEditorWindow(MainFrame &frame, VarEditorTexts texts, QWidget *parent = nullptr);

    // A damaged file is reported and the window keeps what was read (true); only a
    // file that cannot be read at all gives false, so no empty window is left open.
    bool LoadFile(const QString &fileName) override;
    bool SaveFile() override;

    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }

    // Prepares an empty variable of the model for the New command; the title is
    // "Untitled" with the counter and the bracketed kind.
    void prepareNew(bool isTI82, int untitledNumber);

    QString titleSuffix() const { return texts_.titleSuffix(IsTI82); }

    // Takes what is typed in the entry boxes now (takeTypedEntry). It never runs
    // inside itself: a refusal message moves the focus, which would take the same
    // entry again.
    void takeEntry();

protected:
    // Fills the window from a file's bytes, as far as they go. False when the file
    // was damaged; LoadFile then shows readErrorMessage().
    virtual bool loadBytes(varfile::ByteView file) = 0;
    virtual QString readErrorMessage() const = 0;
    // The file to write, or nothing when the editor refused (it has said why).
    virtual std::optional<varfile::Bytes> buildFile() = 0;
    // Called by prepareNew after IsTI82 is set, to adapt the controls to the model.
    virtual void modelChanged() {}
    // Around building and writing the file, once a file name is known.
    virtual void beginSaving() {}
    virtual void endSaving() {}
    // Parses the typed entries into the editor's values; see takeEntry.
    virtual void takeTypedEntry() {}

    // Enter in a box or leaving it takes the entry; typing in it marks a change.
    void takeEntriesFrom(std::initializer_list<QLineEdit *> boxes);
    // `signal` of `sender` marks a change, except while a file is being loaded.
    template <typename Sender, typename Signal> void markModifiedOn(Sender *sender, Signal signal)
    {
        connect(sender, signal, this, [this] {
            if (!loading_) {
                setModified(true);
            }
        });
    }
    bool isLoading() const { return loading_; }
    void changeEvent(QEvent *event) override;

    // Asks for a file name when FileName is empty; false when cancelled.
    virtual bool ensureFileName();
    // Writes atomically; reports an I/O error itself and returns false then.
    bool writeBytes(const varfile::Bytes &bytes);
    // Title, modified flag, working folder and recent files after a good save.
    void completeSave();
    void showFileTitle();
    void showError(const QString &text);

private:
    VarEditorTexts texts_;
    bool modified_ = false;
    bool loading_ = false;
    bool takesEntries_ = false;
    bool taking_ = false;
};

} // namespace vexil::uibase
