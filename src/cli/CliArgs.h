// SPDX-License-Identifier: GPL-3.0-or-later
// A small argument reader shared by every vexil-cli command: positional words,
// "--flag" switches and "--option VALUE" pairs, with unknown options reported as
// usage errors instead of being silently ignored.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vexil::cli {

enum ExitCode : int { kExitOk = 0, kExitBadInput = 1, kExitUsage = 2 };

class UsageError {
public:
    explicit UsageError(std::string message) : message_(std::move(message)) {}
    const std::string &message() const { return message_; }

private:
    std::string message_;
};

class CliArgs {
public:
    // `valueOptions` take the next word as their value; `flags` stand alone.
    // Throws UsageError on an unknown option or a missing value.
    CliArgs(const std::vector<std::string> &words, const std::set<std::string> &valueOptions,
            const std::set<std::string> &flags);

    const std::vector<std::string> &positional() const { return positional_; }
    bool flag(const std::string &name) const { return flagsSeen_.count(name) != 0; }
    std::optional<std::string> value(const std::string &name) const;
    // The value of an option that must be present; throws UsageError otherwise.
    std::string required(const std::string &name) const;
    // Throws UsageError unless there are between `min` and `max` positional words.
    void expectPositional(std::size_t min, std::size_t max) const;

private:
    std::vector<std::string> positional_;
    std::set<std::string> flagsSeen_;
    std::vector<std::pair<std::string, std::string>> values_;
};

} // namespace vexil::cli
