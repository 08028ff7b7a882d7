// SPDX-License-Identifier: GPL-3.0-or-later
// The four recent-file items of the File menu, kept in the options record.
#pragma once

#include "app/RecentFiles.h"
#include "app/ui/MainActions.h"

#include <QObject>

#include <functional>

namespace vexil::app {

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    RecentFilesMenu(RecentFileList &list, MainActions &actions,
                    std::function<void(const QString &)> open, QObject *parent = nullptr);

    void add(const QString &path);
    void rebuild();

private:
    RecentFileList &list_;
    MainActions &actions_;
};

} // namespace vexil::app
