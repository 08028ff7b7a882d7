// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QFile>

namespace vexil::app {

RecentFilesMenu::RecentFilesMenu(RecentFileList &list, MainActions &actions,
                                 std::function<void(const QString &)> open, QObject *parent)
    : QObject(parent), list_(list), actions_(actions)
{
    for (std::size_t i = 0; i < actions_.recent.size(); ++i) {
        connect(actions_.recent[i], &QAction::triggered, this, [this, i, open] {
            // Copy first: opening adds to the list and so rewrites this entry.
            const QString path = QString::fromStdString(list_[i]);
            open(path);
        });
    }
}

void RecentFilesMenu::add(const QString &path)
{
    AddRecentFile(list_, QFile::encodeName(path).toStdString());
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    const std::filesystem::path current = QFile::encodeName(QDir::currentPath()).toStdString();
    for (std::size_t i = 0; i < list_.size(); ++i) {
        QAction *item = actions_.recent[i];
        const bool used = !list_[i].empty();
        item->setVisible(used);
        if (used) {
            item->setText(QString::fromStdString(
                RecentFileCaption(static_cast<int>(i + 1), list_[i], current)));
            item->setStatusTip(tr("Open %1").arg(QString::fromStdString(list_[i])));
        }
    }
    actions_.recentSeparator->setVisible(actions_.recent[0]->isVisible());
}

} // namespace vexil::app
