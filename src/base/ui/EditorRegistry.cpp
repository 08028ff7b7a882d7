// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/EditorRegistry.h"

#include <QFileInfo>

namespace vexil::uibase {

void EditorRegistry::add(const QStringList &extensions, const QMetaObject *windowClass,
                         WindowFactory create)
{
    for (const QString &extension : extensions) {
        const QString key = extension.toUpper();
        std::erase_if(entries_, [&](const Entry &e) { return e.extension == key; });
        entries_.push_back({key, {windowClass, create}});
    }
}

void EditorRegistry::setFallback(const QMetaObject *windowClass, WindowFactory create)
{
    fallback_ = {windowClass, std::move(create)};
}

EditorClass EditorRegistry::classFor(const QString &path) const
{
    const QString extension = QFileInfo(path).suffix().toUpper();
    for (const Entry &entry : entries_) {
        if (entry.extension == extension) {
            return entry.editor;
        }
    }
    return fallback_;
}

} // namespace vexil::uibase
