// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ModelOptions.h"

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

} // namespace vexil::cli
