// SPDX-License-Identifier: GPL-3.0-or-later
// The New-file gallery: the assembler programs and the text file on the "New" page,
// the calculator variables of each model on the "TI-82" and "TI-83" pages. Kinds of
// variable that have no editor yet are left out rather than offered to do nothing.
#pragma once

#include "editor/newfile/NewFileCatalog.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QListWidget;
class QPushButton;
class QTabWidget;

namespace vexil::editor {

struct GalleryChoice {
    GalleryPage page;
    int index; // into NewPageEntries(), or VariableEntries() of the page's model
};

class TfrmNew : public QDialog {
    Q_OBJECT
public:
    using Availability = std::function<bool(const VariableEntry &entry, bool isTI82)>;

    explicit TfrmNew(Availability available, QWidget *parent = nullptr);

    QTabWidget *PageControl1;
    std::array<QListWidget *, 3> lists{};
    QPushButton *okButton;

    // The selected entry of the current page.
    std::optional<GalleryChoice> choice() const;
    // Shows the page and selects the entry with this caption; false when it is not there.
    bool selectEntry(GalleryPage page, const QString &caption);
    QStringList captions(GalleryPage page) const;

private:
    void updateOkButton();
    QListWidget *addPage(const QString &caption);
};

} // namespace vexil::editor
