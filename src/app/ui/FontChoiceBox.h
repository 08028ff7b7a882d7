// SPDX-License-Identifier: GPL-3.0-or-later
// A text box over a list, as the font name, style and size boxes of the Options
// dialog work: typing selects the equal list entry (a case-insensitive match takes the
// entry's own spelling), the arrow keys walk the list and copy the entry into the box,
// and clicking an entry copies it too.
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace vexil::app {

class FontChoiceBox : public QWidget {
    Q_OBJECT
public:
    FontChoiceBox(const QString &caption, QWidget *parent = nullptr);

    void setEntries(const QStringList &entries);
    void setText(const QString &text);
    QString text() const;

    QLineEdit *edit() const { return edit_; }
    QListWidget *list() const { return list_; }

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectMatching(const QString &typed);
    void copyEntry(int row);

    QLineEdit *edit_;
    QListWidget *list_;
};

} // namespace vexil::app
