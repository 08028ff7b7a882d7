// SPDX-License-Identifier: GPL-3.0-or-later
// A main frame for editor window tests: an MDI area, a status panel and a record of
// what the windows asked of the main window.
#pragma once

#include "base/ui/MainFrame.h"
#include "base/ui/StatusPanel.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <filesystem>

class FakeFrame : public vexil::uibase::MainFrame {
public:
    explicit FakeFrame(std::filesystem::path dir) : dir_(std::move(dir))
    {
        area_.resize(800, 600);
        area_.show();
    }

    const vexil::app::Options &options() const override { return options_; }
    std::filesystem::path programDirectory() const override { return dir_; }
    vexil::uibase::StatusPanel &statusPanel() override { return panel_; }
    QMdiArea &mdiArea() override { return area_; }
    void addDocument(QWidget *document) override { area_.addSubWindow(document)->show(); }
    QWidget *openFile(const QString &) override { return nullptr; }
    void addRecentFile(const QString &path) override { recent << path; }
    void rebuildWindowMenu() override { ++windowMenuRebuilds; }
    void showKeypad(vexil::varfile::CalcModel) override {}

    vexil::app::Options options_;
    QStringList recent;
    int windowMenuRebuilds = 0;

private:
    std::filesystem::path dir_;
    QMdiArea area_;
    vexil::uibase::StatusPanel panel_;
};
