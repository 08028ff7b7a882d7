// SPDX-License-Identifier: GPL-3.0-or-later
// What a document window may ask of the main window. The editors depend on this
// interface rather than on the main window class, which in turn creates them.
#pragma once

#include "app/Options.h"
#include "varfile/CalcModel.h"

#include <QString>

#include <filesystem>

class QMdiArea;
class QWidget;

namespace vexil::uibase {

class StatusPanel;

class MainFrame {
public:
    virtual ~MainFrame() = default;

    virtual const app::Options &options() const = 0;
    virtual std::filesystem::path programDirectory() const = 0;
    virtual StatusPanel &statusPanel() = 0;
    virtual QMdiArea &mdiArea() = 0;

    // Puts a new document window into the frame and shows it.
    virtual void addDocument(QWidget *document) = 0;
    // Opens a file in the window its extension calls for (or brings an open one forward).
    virtual QWidget *openFile(const QString &path) = 0;
    virtual void addRecentFile(const QString &path) = 0;
    virtual void rebuildWindowMenu() = 0;
    // "Show Keypad" of an editor: switches to the model's development mode and shows
    // that model's keypad.
    virtual void showKeypad(varfile::CalcModel model) = 0;
};

} // namespace vexil::uibase
