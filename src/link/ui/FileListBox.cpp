// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/FileListBox.h"

#include <QDir>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

namespace vexil::link::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

QStringList NameFilters(const QString &mask)
{
    QStringList filters;
    for (const QString &part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        // "*.*" means every file, with or without a dot in its name.
        filters.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return filters.isEmpty() ? QStringList{QStringLiteral("*")} : filters;
}

} // namespace

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("FileListBox1"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
}

void FileListBox::setDirectory(const QString &directory)
{
    directory_ = directory;
    refresh();
}

void FileListBox::setMask(const QString &mask)
{
    mask_ = mask;
    refresh();
}

void FileListBox::refresh()
{
    clear();
    // No folder yet is an empty list, not the process's working folder.
    const QFileInfoList files =
        directory_.isEmpty() ? QFileInfoList()
                             : QDir(directory_)
                                   .entryInfoList(NameFilters(mask_), QDir::Files | QDir::System,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        auto *item = new QListWidgetItem(file.fileName(), this);
        item->setData(kPathRole, file.absoluteFilePath());
    }
    emit listChanged();
}

QStringList FileListBox::selectedFiles() const
{
    QStringList files;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected()) {
            files.append(item(row)->data(kPathRole).toString());
        }
    }
    return files;
}

bool FileListBox::selectFile(const QString &fileName)
{
    const QList<QListWidgetItem *> found = findItems(fileName, Qt::MatchExactly);
    if (found.isEmpty()) {
        return false;
    }
    clearSelection();
    setCurrentItem(found.first());
    found.first()->setSelected(true);
    return true;
}

QStringList FileListBox::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *FileListBox::mimeData(const QList<QListWidgetItem *> &) const
{
    QList<QUrl> urls;
    for (const QString &file : selectedFiles()) {
        urls.append(QUrl::fromLocalFile(file));
    }
    auto *dragged = new QMimeData;
    dragged->setUrls(urls);
    return dragged;
}

void FileListBox::startDrag(Qt::DropActions)
{
    // Copy only: a file manager must not take the files away from the list.
    QListWidget::startDrag(Qt::CopyAction);
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace vexil::link::ui
