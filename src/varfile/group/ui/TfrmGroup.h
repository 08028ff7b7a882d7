// SPDX-License-Identifier: GPL-3.0-or-later
// The Group Editor: the variables of a group file as a two-column list (type and
// name), with tool buttons to add variable files, remove lines and extract lines
// to single variable files. The file logic lives in varfile/group; this window
// only asks the user and shows the result.
#pragma once

#include "base/ui/VarEditorWindow.h"
#include "varfile/group/GroupFile.h"

#include <memory>
#include <vector>

class QAction;
class QTreeWidget;

namespace vexil::uibase {
class EditorRegistry;
class ProgressWindow;
} // namespace vexil::uibase

namespace vexil::group::ui {

class TfrmGroup : public uibase::VarEditorWindow {
    Q_OBJECT
public:
    explicit TfrmGroup(uibase::MainFrame &frame, QWidget *parent = nullptr);
    ~TfrmGroup() override;

    // An empty group is never written: Save then succeeds without touching the disk.
    bool SaveFile() override;

    uibase::DocumentTraits traits() const override;
    bool runEditCommand(uibase::EditCommand command) override;

    // The tool buttons.
    void AddClick();
    void RemoveClick();
    void ExtractClick();

    const std::vector<GroupElement> &elements() const { return elements_; }
    QTreeWidget *list() const { return list_; }
    QAction *addAction() const { return add_; }
    QAction *removeAction() const { return remove_; }
    QAction *extractAction() const { return extract_; }

protected:
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    bool ensureFileName() override;
    void beginSaving() override;
    void endSaving() override;

private:
    CalcModel model() const { return IsTI82 ? CalcModel::TI82 : CalcModel::TI83; }
    // Appends the files through the add rules, reporting each refusal; true when
    // any was added.
    bool addFiles(const QStringList &paths);
    void appendElements(std::vector<GroupElement> elements);
    // Writes one element into `folder`, asking before it replaces a file.
    void extractElement(const QString &folder, const GroupElement &element);
    std::vector<int> selectedRows() const;
    void removeRows(const std::vector<int> &rows);
    void copySelection();
    bool paste();
    void refill();

    QTreeWidget *list_;
    QAction *add_;
    QAction *remove_;
    QAction *extract_;
    std::vector<GroupElement> elements_;
    // The file the elements were last loaded from or saved to, kept when Save As
    // of an empty group writes nothing.
    QString fileOnDisk_;
    std::unique_ptr<uibase::ProgressWindow> progress_;
};

// .82g and .83g files open in the Group Editor; New offers it on both model pages.
void RegisterGroupEditor(uibase::EditorRegistry &registry);

} // namespace vexil::group::ui
