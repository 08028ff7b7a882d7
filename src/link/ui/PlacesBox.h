// SPDX-License-Identifier: GPL-3.0-or-later
// The Link Manager's place list, where a drive list would be: the home folder,
// the root and the volumes mounted now. It shows the place that holds the current
// folder, and choosing a place goes to it.
#pragma once

#include <QComboBox>

namespace vexil::link::ui {

class PlacesBox : public QComboBox {
    Q_OBJECT
public:
    explicit PlacesBox(QWidget *parent = nullptr);

    // Picks the place that holds `folder`, without going anywhere.
    void showPlaceOf(const QString &folder);
    void showPopup() override;

signals:
    void placeChosen(const QString &folder);

private:
    void readPlaces();

    QString folder_;
};

} // namespace vexil::link::ui
