// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliArgs.h"

namespace vexil::cli {

CliArgs::CliArgs(const std::vector<std::string> &words, const std::set<std::string> &valueOptions,
                 const std::set<std::string> &flags)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words[i];
        // A single dash starts an option only when the command declares it ("-o",
        // "-d"), so negative numbers stay positional.
        const bool looksLikeOption =
            word.size() > 1 && word[0] == '-' &&
            (word.rfind("--", 0) == 0 || valueOptions.count(word) || flags.count(word));
        if (!looksLikeOption) {
            positional_.push_back(word);
        } else if (flags.count(word)) {
            flagsSeen_.insert(word);
        } else if (valueOptions.count(word)) {
            if (i + 1 >= words.size()) {
                throw UsageError("option " + word + " needs a value");
            }
            values_.emplace_back(word, words[++i]);
        } else {
            throw UsageError("unknown option " + word);
        }
    }
}

std::optional<std::string> CliArgs::value(const std::string &name) const
{
    for (auto it = values_.rbegin(); it != values_.rend(); ++it) {
        if (it->first == name) {
            return it->second;
        }
    }
    return std::nullopt;
}

std::string CliArgs::required(const std::string &name) const
{
    if (auto found = value(name)) {
        return *found;
    }
    throw UsageError("missing option " + name);
}

void CliArgs::expectPositional(std::size_t min, std::size_t max) const
{
    if (positional_.size() < min) {
        throw UsageError("missing argument");
    }
    if (positional_.size() > max) {
        throw UsageError("unexpected argument " + positional_[max]);
    }
}

} // namespace vexil::cli
