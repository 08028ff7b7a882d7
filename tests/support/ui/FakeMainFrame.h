// SPDX-License-Identifier: GPL-3.0-or-later
// A main window stand-in for editor tests: it records recent files and documents
// and keeps the program directory in a temporary folder.
#pragma once

#include "app/Options.h"
#include "base/ui/MainFrame.h"
#include "base/ui/StatusPanel.h"

#include <QMdiArea>
#include <QStringList>
#include <QTemporaryDir>

namespace vexil::testing {

class FakeMainFrame : public uibase::MainFrame {
public:
    const app::Options &options() const override { return options_; }
    std::filesystem::path programDirectory() const override { return folder.path().toStdString(); }
    uibase::StatusPanel &statusPanel() override { return status_; }
    QMdiArea &mdiArea() override { return area_; }
    void addDocument(QWidget *document) override { documents.append(document); }
    QWidget *openFile(const QString &) override { return nullptr; }
    void addRecentFile(const QString &path) override { recentFiles.append(path); }
    void rebuildWindowMenu() override { ++windowMenuRebuilds; }
    void showKeypad(varfile::CalcModel model) override { keypadsShown.append(model); }

    // A path for a file in the temporary folder.
    QString path(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QStringList recentFiles;
    QList<QWidget *> documents;
    int windowMenuRebuilds = 0;
    QList<varfile::CalcModel> keypadsShown;

private:
    app::Options options_ = app::DefaultOptions();
    uibase::StatusPanel status_;
    QMdiArea area_;
};

} // namespace vexil::testing
