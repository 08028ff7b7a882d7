// SPDX-License-Identifier: GPL-3.0-or-later
// The list editor: one row per element plus an empty last row that stands for
// appending, edited in place through a box laid over the row. Real lists on both
// models, complex lists on the TI-83.
#pragma once

#include "base/ui/VarEditorWindow.h"
#include "vareditors/ListVariable.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace vexil::vareditors {

inline const char *const kListFullMessage =
    "A list holds at most 999 elements.  Delete an element before adding another.";

class TfrmVarList : public uibase::VarEditorWindow {
    Q_OBJECT
public:
    explicit TfrmVarList(uibase::MainFrame &frame, QWidget *parent = nullptr);

    const std::vector<vardata::ListElement> &elements() const { return elements_; }
    QListWidget *rowList() const { return rows_; }
    QLineEdit *editBox() const { return edit_; }
    QComboBox *nameBox() const { return name_; }
    QCheckBox *complexBox() const { return complex_; }
    bool isEditing() const { return editRow_ >= 0; }
    // An entry still open in the edit box counts as a change, so closing asks first
    // and saving takes it.
    bool isModified() const override
    {
        return uibase::VarEditorWindow::isModified() || isEditing();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool loadBytes(varfile::ByteView file) override;
    QString readErrorMessage() const override;
    std::optional<varfile::Bytes> buildFile() override;
    void modelChanged() override;

private:
    bool handleRowKey(QKeyEvent *event);
    bool handleEditKey(QKeyEvent *event);
    // Lays the edit box over the selected row; `typed` replaces the element's text.
    void beginEdit(const QString &typed = {});
    // Takes the edit box's text and moves the selection by `move` rows.
    void endEdit(int move);
    void cancelEdit();
    void applyEntry(std::size_t row, const QString &text);
    void deleteElement();
    void insertElement();
    void refreshRows();
    void selectRow(int row);
    QString elementText(std::size_t index) const;
    bool isComplex() const;

    QComboBox *name_;
    QCheckBox *complex_;
    QListWidget *rows_;
    QLineEdit *edit_;
    std::vector<vardata::ListElement> elements_;
    int editRow_ = -1;
    bool ending_ = false;
};

} // namespace vexil::vareditors
