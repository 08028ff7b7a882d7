// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/FolderList.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace vexil::link::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

QTreeWidgetItem *FolderItem(const QString &path, const QString &name, const QIcon &icon)
{
    auto *item = new QTreeWidgetItem(QStringList{name});
    item->setIcon(0, icon);
    item->setData(0, kPathRole, path);
    return item;
}

// The folder itself if it exists, else the nearest one above it.
QString ExistingFolder(const QString &directory)
{
    QString folder = QDir::cleanPath(QDir(directory).absolutePath());
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath()) {
        folder = QFileInfo(folder).path();
    }
    return folder;
}

} // namespace

FolderList::FolderList(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("DirectoryListBox1"));
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(12);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { setDirectory(item->data(0, kPathRole).toString()); });
}

void FolderList::setDirectory(const QString &directory)
{
    const QString folder = ExistingFolder(directory);
    const bool changed = folder != directory_;
    directory_ = folder;
    refresh();
    if (changed) {
        emit directoryChanged(directory_);
    }
}

void FolderList::refresh()
{
    clear();
    const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain from the root down: "/", then one item per folder below it.
    QTreeWidgetItem *current = FolderItem(QDir::rootPath(), QDir::rootPath(), open);
    addTopLevelItem(current);
    QString path;
    for (const QString &name : directory_.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + name;
        QTreeWidgetItem *next = FolderItem(path, name, open);
        current->addChild(next);
        current = next;
    }
    const QDir dir(directory_);
    for (const QFileInfo &folder :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        current->addChild(FolderItem(folder.absoluteFilePath(), folder.fileName(), closed));
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}

} // namespace vexil::link::ui
