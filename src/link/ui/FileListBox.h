// SPDX-License-Identifier: GPL-3.0-or-later
// The Link Manager's file list: the files of one folder that match a mask, with
// multiple selection. Dragging the selection carries the files' addresses, so it
// can be dropped on the calculator picture or copied into a file manager.
#pragma once

#include <QListWidget>
#include <QStringList>

namespace vexil::link::ui {

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString directory() const { return directory_; }
    QString mask() const { return mask_; }
    void setDirectory(const QString &directory);
    // Masks such as "*.8??", several separated by ";"; "*.*" matches every file.
    void setMask(const QString &mask);
    // Reads the folder again; the selection is cleared.
    void refresh();

    // Full names of the selected files, in the order of the list.
    QStringList selectedFiles() const;
    // Selects the file of that name alone; false when the list does not show it.
    bool selectFile(const QString &fileName);

signals:
    void deletePressed();
    // The list was read again (a new folder or mask, or a refresh).
    void listChanged();

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString directory_;
    QString mask_;
};

} // namespace vexil::link::ui
