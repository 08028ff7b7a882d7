// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ModelOptions.h"

#include "tibasic/TokenRoundTrip.h"

#include <iostream>

namespace vexil::cli {

tibasic::CalcModel ModelOption(const CliArgs &args)
{
    const std::string model = args.required("--model");
    if (model == "82") {
        return tibasic::CalcModel::TI82;
    }
    if (model == "83") {
        return tibasic::CalcModel::TI83;
    }
    throw UsageError("--model must be 82 or 83, not " + model);
}

tibasic::TextForm FormOption(const CliArgs &args)
{
    return args.flag("--raw") ? tibasic::TextForm::KeyboardFont : tibasic::TextForm::Utf8;
}

tibasic::TextRules RulesOption(const CliArgs &args)
{
    return args.flag("--exact") ? tibasic::TextRules::Exact : tibasic::TextRules::Web;
}

bool AcceptRoundTrip(const std::string &path, tibasic::CalcModel model,
                     std::span<const std::uint8_t> tokens, std::size_t streamOffset,
                     const CliArgs &args)
{
    const tibasic::TokenRoundTrip check = tibasic::CheckTokenRoundTrip(model, tokens);
    if (check.reversible()) {
        return true;
    }
    const std::string message = tibasic::IrreversibleTokensMessage(check, streamOffset);
    if (args.flag("--lossy")) {
        std::cerr << path << ": warning: " << message << '\n';
        return true;
    }
    std::cerr << path << ": " << message << " (--lossy decodes it anyway)\n";
    return false;
}

} // namespace vexil::cli
