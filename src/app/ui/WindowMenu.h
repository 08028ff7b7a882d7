// SPDX-License-Identifier: GPL-3.0-or-later
// The Window menu: arranging the document windows, items 1 to 9 for the first nine
// windows and "More Windows..." for the rest.
#pragma once

#include "app/ui/MainActions.h"

#include <QObject>

#include <filesystem>

class QMdiArea;
class QMdiSubWindow;

namespace vexil::app {

class WindowMenu : public QObject {
    Q_OBJECT
public:
    WindowMenu(QMdiArea &area, MainActions &actions, std::filesystem::path programDirectory,
               QObject *parent = nullptr);

    void rebuild();
    // Rebuilds once the event loop runs again, when a closing window is really gone.
    void scheduleRebuild();

    QList<QMdiSubWindow *> windows() const;
    void switchTo(int index);
    void chooseFromAll();
    void arrangeIcons();
    void minimizeAll();

private:
    QMdiArea &area_;
    MainActions &actions_;
    std::filesystem::path programDirectory_;
    bool rebuildPending_ = false;
};

} // namespace vexil::app
