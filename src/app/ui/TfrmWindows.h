// SPDX-License-Identifier: GPL-3.0-or-later
// "More Windows": the list of every document window, for when the Window menu's
// nine items are not enough.
#pragma once

#include <QDialog>

#include <filesystem>

class QListWidget;

namespace vexil::app {

class TfrmWindows : public QDialog {
    Q_OBJECT
public:
    TfrmWindows(const QStringList &captions, std::filesystem::path programDirectory,
                QWidget *parent = nullptr);

    // The chosen window's position in the list, after the dialog was accepted.
    int selectedIndex() const;
    QListWidget *list() const { return list_; }

private:
    QListWidget *list_;
};

} // namespace vexil::app
