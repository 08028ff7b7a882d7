// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/newfile/ui/TfrmNew.h"

#include "editor/newfile/ui/DocumentIcons.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vexil::editor {
namespace {

constexpr int kEntryIndexRole = Qt::UserRole;

QString Caption(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TfrmNew::TfrmNew(Availability available, QWidget *parent)
    : QDialog(parent), PageControl1(new QTabWidget(this))
{
    setWindowTitle(tr("New"));
    lists[0] = addPage(QStringLiteral("New"));
    lists[1] = addPage(QStringLiteral("TI-82"));
    lists[2] = addPage(QStringLiteral("TI-83"));

    const auto newEntries = NewPageEntries();
    for (std::size_t i = 0; i < newEntries.size(); ++i) {
        const NewPageEntry &entry = newEntries[i];
        auto *item = new QListWidgetItem(entry.action == NewPageAction::TextFile
                                             ? TextFileIcon()
                                             : AssemblerProgramIcon(entry.target),
                                         Caption(entry.caption), lists[0]);
        item->setData(kEntryIndexRole, static_cast<int>(i));
    }
    for (const bool isTI82 : {true, false}) {
        const auto entries = VariableEntries(isTI82);
        QListWidget *list = lists[isTI82 ? 1 : 2];
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (available && !available(entries[i], isTI82)) {
                continue;
            }
            auto *item = new QListWidgetItem(VariableIcon(isTI82, entries[i].letter),
                                             Caption(entries[i].caption), list);
            item->setData(kEntryIndexRole, static_cast<int>(i));
        }
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrmNew::updateOkButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(buttons);
    PageControl1->setCurrentIndex(0);
    updateOkButton();
    resize(520, 380);
}

QListWidget *TfrmNew::addPage(const QString &caption)
{
    auto *list = new QListWidget(PageControl1);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(48, 48));
    list->setGridSize(QSize(120, 88));
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setWordWrap(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list, &QListWidget::itemSelectionChanged, this, &TfrmNew::updateOkButton);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] {
        if (okButton->isEnabled()) {
            accept();
        }
    });
    PageControl1->addTab(list, caption);
    return list;
}

void TfrmNew::updateOkButton()
{
    okButton->setEnabled(choice().has_value());
}

std::optional<GalleryChoice> TfrmNew::choice() const
{
    const int page = PageControl1->currentIndex();
    if (page < 0 || page > 2) {
        return std::nullopt;
    }
    const QList<QListWidgetItem *> selected =
        lists[static_cast<std::size_t>(page)]->selectedItems();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    return GalleryChoice{static_cast<GalleryPage>(page),
                         selected.first()->data(kEntryIndexRole).toInt()};
}

bool TfrmNew::selectEntry(GalleryPage page, const QString &caption)
{
    QListWidget *list = lists[static_cast<std::size_t>(page)];
    PageControl1->setCurrentIndex(static_cast<int>(page));
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == caption) {
            list->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

QStringList TfrmNew::captions(GalleryPage page) const
{
    QStringList result;
    const QListWidget *list = lists[static_cast<std::size_t>(page)];
    for (int row = 0; row < list->count(); ++row) {
        result << list->item(row)->text();
    }
    return result;
}

} // namespace vexil::editor
