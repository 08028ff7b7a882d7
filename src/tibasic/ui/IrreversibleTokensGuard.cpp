// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/IrreversibleTokensGuard.h"

#include "base/ui/DialogService.h"
#include "tibasic/TokenRoundTrip.h"

namespace vexil::tibasic::ui {

using uibase::Dialogs;

void IrreversibleTokensGuard::check(CalcModel model, std::span<const std::uint8_t> tokens,
                                    std::size_t streamOffset)
{
    const TokenRoundTrip roundTrip = CheckTokenRoundTrip(model, tokens);
    problem_ = roundTrip.reversible()
                   ? QString()
                   : QString::fromStdString(IrreversibleTokensMessage(roundTrip, streamOffset));
}

void IrreversibleTokensGuard::tellUser(const QString &fileName) const
{
    if (armed()) {
        Dialogs().message(uibase::MessageKind::Warning,
                          fileName + QStringLiteral("\n\n") + problem_ +
                              QStringLiteral("\n\nSaving will change those bytes."),
                          uibase::Buttons::Ok);
    }
}

bool IrreversibleTokensGuard::allowSave(const QString &fileName) const
{
    return !armed() || Dialogs().message(uibase::MessageKind::Confirmation,
                                         fileName + QStringLiteral("\n\n") + problem_ +
                                             QStringLiteral("\n\nSave anyway and change those "
                                                            "bytes?"),
                                         uibase::Buttons::YesNo) == uibase::Answer::Yes;
}

} // namespace vexil::tibasic::ui
