// SPDX-License-Identifier: GPL-3.0-or-later
// The Link Manager's calculator: a TI-82 or TI-83 drawn with QPainter. Clicking it
// asks for a receive; files dragged onto it, from the Link Manager's file list or
// from the desktop's file manager, are offered for sending.
#pragma once

#include "varfile/CalcModel.h"

#include <QStringList>
#include <QWidget>

class QMimeData;

namespace vexil::link::ui {

class CalculatorPicture : public QWidget {
    Q_OBJECT
public:
    CalculatorPicture(varfile::CalcModel model, QWidget *parent = nullptr);

    varfile::CalcModel model() const { return model_; }
    QSize sizeHint() const override;

    // The local files a drag carries, in order; empty when it carries anything else.
    static QStringList DraggedFiles(const QMimeData *data);

signals:
    void clicked();
    void dragEntered(int fileCount);
    void dragLeft();
    void dropped(const QStringList &files);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void paintBody(QPainter &painter, const QRectF &body) const;
    void paintScreen(QPainter &painter, const QRectF &screen) const;
    void paintKeys(QPainter &painter, const QRectF &area) const;

    varfile::CalcModel model_;
    bool pressed_ = false;
    bool dragOver_ = false;
};

} // namespace vexil::link::ui
