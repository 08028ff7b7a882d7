// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli real: calculator numbers between typed text and their 9 bytes.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "varfile/CalcReal.h"
#include "varfile/RealText.h"

#include <iostream>
#include <optional>
#include <span>
#include <string_view>

namespace vexil::cli {

namespace {

// Upper-case pairs of hexadecimal digits separated by single spaces.
std::string HexText(std::span<const std::uint8_t> bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t byte : bytes) {
        if (!out.empty()) {
            out += ' ';
        }
        out += digits[byte >> 4];
        out += digits[byte & 0x0F];
    }
    return out;
}

// One byte written as one or two hexadecimal digits (either case).
std::optional<std::uint8_t> ParseHexByte(std::string_view word)
{
    if (word.empty() || word.size() > 2) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (char c : word) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return static_cast<std::uint8_t>(value);
}

int Encode(const CliArgs &args)
{
    args.expectPositional(2, 2);
    const std::optional<double> typed = varfile::ParseReal(args.positional()[1]);
    // The range check runs on the rounded value, as the editors store it.
    const double value = typed ? varfile::RoundReal(*typed) : 0;
    const auto kind =
        args.flag("--complex-half") ? varfile::RealKind::ComplexHalf : varfile::RealKind::Real;
    const auto bytes =
        typed && varfile::CheckRange(value) ? varfile::EncodeReal(value, kind) : std::nullopt;
    if (!bytes) {
        std::cerr << varfile::kInvalidRealMessage << '\n';
        return kExitBadInput;
    }
    std::cout << HexText(*bytes) << '\n';
    return kExitOk;
}

int Decode(const CliArgs &args)
{
    const auto &words = args.positional();
    if (words.size() != 10) {
        throw UsageError("decode takes exactly 9 bytes");
    }
    varfile::RealBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::optional<std::uint8_t> byte = ParseHexByte(words[i + 1]);
        if (!byte) {
            std::cerr << "vexil-cli real: '" << words[i + 1] << "' is not a hexadecimal byte\n";
            return kExitBadInput;
        }
        bytes[i] = *byte;
    }
    const std::optional<double> value = varfile::DecodeReal(bytes);
    if (!value) {
        std::cerr << "vexil-cli real: not a calculator number: a mantissa digit is above 9\n";
        return kExitBadInput;
    }
    std::cout << varfile::FormatReal(*value) << '\n';
    return kExitOk;
}

} // namespace

int RunReal(const Words &words)
{
    const CliArgs args(words, {}, {"--complex-half"});
    if (args.positional().empty()) {
        throw UsageError("missing argument");
    }
    const std::string &action = args.positional()[0];
    if (action == "encode") {
        return Encode(args);
    }
    if (action == "decode") {
        if (args.flag("--complex-half")) {
            throw UsageError("--complex-half applies to encode only");
        }
        return Decode(args);
    }
    throw UsageError("unknown action '" + action + "'");
}

} // namespace vexil::cli
