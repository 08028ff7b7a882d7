// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/PlacesBox.h"

#include "link/manager/Places.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QStyle>

namespace vexil::link::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

std::filesystem::path ToPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

PlacesBox::PlacesBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("DriveComboBox1"));
    readPlaces();
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit placeChosen(itemData(index, kPathRole).toString()); });
}

void PlacesBox::readPlaces()
{
    QStyle *style = QApplication::style();
    blockSignals(true);
    clear();
    addItem(style->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"), QDir::homePath());
    addItem(style->standardIcon(QStyle::SP_ComputerIcon), tr("Root (/)"), QDir::rootPath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() ||
            !manager::IsUserVolume(QFile::encodeName(volume.rootPath()).toStdString(),
                                   volume.device().toStdString())) {
            continue;
        }
        const QString name = volume.name().isEmpty() ? volume.rootPath()
                                                     : volume.name() + QStringLiteral(" (") +
                                                           volume.rootPath() + QLatin1Char(')');
        addItem(style->standardIcon(QStyle::SP_DriveHDIcon), name, volume.rootPath());
    }
    blockSignals(false);
    showPlaceOf(folder_);
}

void PlacesBox::showPlaceOf(const QString &folder)
{
    folder_ = folder;
    std::vector<std::filesystem::path> places;
    for (int i = 0; i < count(); ++i) {
        places.push_back(ToPath(itemData(i, kPathRole).toString()));
    }
    const std::optional<std::size_t> place = manager::PlaceOf(places, ToPath(folder));
    blockSignals(true);
    setCurrentIndex(place ? static_cast<int>(*place) : -1);
    blockSignals(false);
}

void PlacesBox::showPopup()
{
    // Volumes come and go while the window is open.
    readPlaces();
    QComboBox::showPopup();
}

} // namespace vexil::link::ui
