// SPDX-License-Identifier: GPL-3.0-or-later
// The "Editing Default Headers" dialog: one page per header template. Each page is
// loaded from its .hdr file when the dialog shows; a template that cannot be read is
// replaced by its built-in default, on the page and on disk.
#pragma once

#include "editor/autocode/HeaderTemplates.h"
#include "editor/ui/TextEncoding.h"

#include <QDialog>

#include <array>
#include <filesystem>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vexil::editor {

class TfrmHeaders : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHeaders(std::filesystem::path programDirectory, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    std::array<QPlainTextEdit *, assemble::kShellTargets.size()> pages{};
    QPushButton *defaultsButton;

    void loadPages();
    // Writes the four pages; stays open (after saying so) when a file could not be written.
    void accept() override;
    // Asks, then deletes the four files and loads the pages again from the defaults.
    void useDefaults();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Reports a failed write; false then.
    bool writePage(std::size_t index);

    std::filesystem::path programDirectory_;
    std::array<TextEncoding, assemble::kShellTargets.size()> encodings_{};
};

} // namespace vexil::editor
