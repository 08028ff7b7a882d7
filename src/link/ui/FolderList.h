// SPDX-License-Identifier: GPL-3.0-or-later
// The Link Manager's folder list: the folders from the root down to the current
// one, opened, and the folders inside it. Double-clicking (or Enter on) a folder
// makes it the current one.
#pragma once

#include <QTreeWidget>

namespace vexil::link::ui {

class FolderList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString directory() const { return directory_; }
    // Goes to `directory`, or to the nearest folder above it that exists.
    void setDirectory(const QString &directory);
    // Reads the current folder's folders again.
    void refresh();

signals:
    void directoryChanged(const QString &directory);

private:
    QString directory_;
};

} // namespace vexil::link::ui
