// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TFormSizeLimit.h"

#include <QWidget>

#include <algorithm>
#include <stdexcept>

namespace vexil::app {
namespace {

// Runs before the QObject base is built, so a refused form never gains a child.
QWidget *CheckedForm(QWidget *form)
{
    if (form == nullptr || !form->isWindow()) {
        throw std::invalid_argument("TFormSizeLimit needs a top-level window as its owner");
    }
    if (form->minimumSize() == form->maximumSize() ||
        form->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint)) {
        throw std::invalid_argument("TFormSizeLimit cannot limit a window of fixed size");
    }
    if (form->findChild<TFormSizeLimit *>(QString(), Qt::FindDirectChildrenOnly) != nullptr) {
        throw std::invalid_argument("the window already has a TFormSizeLimit");
    }
    return form;
}

int Bounded(int limit)
{
    return std::clamp(limit, 0, QWIDGETSIZE_MAX);
}

// Where the limits cross, the minimum wins: a range with no size in it would leave
// Qt to pick one.
int Largest(int max, int min)
{
    return max == 0 ? QWIDGETSIZE_MAX : std::max(max, min);
}

} // namespace

// Qt's own size constraints also reach the window manager, so the user's drag stops
// at the limit instead of snapping back afterwards. Each setter touches only its own
// side: a form's layout keeps the minimum of any side that is not limited here.

TFormSizeLimit::TFormSizeLimit(QWidget *form) : QObject(CheckedForm(form)), form_(form) {}

void TFormSizeLimit::setMinWidth(int width)
{
    minWidth_ = Bounded(width);
    form_->setMinimumWidth(minWidth_);
    if (maxWidth_ != 0) {
        form_->setMaximumWidth(Largest(maxWidth_, minWidth_));
    }
}

void TFormSizeLimit::setMinHeight(int height)
{
    minHeight_ = Bounded(height);
    form_->setMinimumHeight(minHeight_);
    if (maxHeight_ != 0) {
        form_->setMaximumHeight(Largest(maxHeight_, minHeight_));
    }
}

void TFormSizeLimit::setMaxWidth(int width)
{
    maxWidth_ = Bounded(width);
    form_->setMaximumWidth(Largest(maxWidth_, minWidth_));
}

void TFormSizeLimit::setMaxHeight(int height)
{
    maxHeight_ = Bounded(height);
    form_->setMaximumHeight(Largest(maxHeight_, minHeight_));
}

} // namespace vexil::app
