// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/ui/ListingWindow.h"

#include "assemble/run/RunTexts.h"
#include "base/ui/MainFrame.h"
#include "base/ui/WindowSwitch.h"
#include "editor/ui/TfrmSource.h"

#include <Qsci/qsciscintilla.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace vexil::assemble::ui {

editor::TfrmSource *ShowListingWindow(uibase::MainFrame &frame,
                                      const std::filesystem::path &listingFile)
{
    const QString caption = QString::fromStdString(run::ListingWindowCaption(listingFile));
    const QString path = QFile::decodeName(listingFile.c_str());

    QMdiArea &area = frame.mdiArea();
    for (QMdiSubWindow *sub : area.subWindowList()) {
        auto *window = qobject_cast<editor::TfrmSource *>(sub->widget());
        if (window == nullptr || window->windowTitle() != caption) {
            continue;
        }
        window->FileName = path;
        window->Memo1->setReadOnly(false); // the editor refuses new text while read-only
        const bool loaded = window->LoadFile(path);
        window->makeListing();
        window->setModified(false);
        frame.rebuildWindowMenu();
        uibase::SwitchToWindow(area, sub);
        return loaded ? window : nullptr;
    }

    auto *window = new editor::TfrmSource(frame);
    window->FileName = path;
    window->setWindowTitle(caption);
    if (!window->LoadFile(path)) {
        delete window;
        return nullptr;
    }
    window->makeListing();
    window->setModified(false);
    frame.addDocument(window);
    frame.rebuildWindowMenu();
    return window;
}

} // namespace vexil::assemble::ui
