// SPDX-License-Identifier: GPL-3.0-or-later
// Which window opens a file, by extension. Each editor library registers its
// window classes here; the main window's "open by path" only asks the registry.
#pragma once

#include "base/ui/TfrmVarTemplate.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace vexil::uibase {

using WindowFactory = std::function<TfrmVarTemplate *(MainFrame &frame)>;

struct EditorClass {
    const QMetaObject *windowClass = nullptr;
    WindowFactory create;
};

class EditorRegistry {
public:
    // Extensions without the dot, in any case. A later registration of an extension
    // replaces an earlier one.
    void add(const QStringList &extensions, const QMetaObject *windowClass, WindowFactory create);
    // The class for every extension nobody registered.
    void setFallback(const QMetaObject *windowClass, WindowFactory create);

    template <class Window> void add(const QStringList &extensions)
    {
        add(extensions, &Window::staticMetaObject,
            [](MainFrame &frame) { return new Window(frame); });
    }

    // The class for a path; null windowClass when nothing fits and there is no fallback.
    EditorClass classFor(const QString &path) const;

private:
    struct Entry {
        QString extension; // upper-cased
        EditorClass editor;
    };
    std::vector<Entry> entries_;
    EditorClass fallback_;
};

} // namespace vexil::uibase
