// SPDX-License-Identifier: GPL-3.0-or-later
// The "AutoCode Entries" dialog: add, rename, delete and edit entries. It works on a
// copy of the library's entries; the caller takes them over only on OK, so Cancel
// leaves the library, the menu and autocode.txt exactly as they were.
#pragma once

#include <QDialog>

#include <filesystem>

class QListWidget;
class QPushButton;

namespace vexil::editor {

class TfrmAutocode : public QDialog {
    Q_OBJECT
public:
    TfrmAutocode(QStringList entries, std::filesystem::path programDirectory,
                 QWidget *parent = nullptr);

    QListWidget *ListBox1;
    QPushButton *addButton;
    QPushButton *renameButton;
    QPushButton *deleteButton;
    QPushButton *editButton;

    QStringList entries() const { return entries_; }

    void addEntry();
    void renameEntry();
    void deleteEntry();
    void editEntry();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The selected row, or -1 (after a beep) when there is none.
    int selectedRowOrBeep() const;
    // Shows the refusal for a name that may not be used; true when the name is fine.
    bool nameAccepted(const QString &name, int renamedRow) const;
    void showEntries(int selectRow);

    QStringList entries_;
    std::filesystem::path programDirectory_;
};

} // namespace vexil::editor
