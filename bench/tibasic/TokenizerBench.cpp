// SPDX-License-Identifier: GPL-3.0-or-later
// Encoding a 1 MB program with the indexed encoder against the plain scan over
// the whole list at every position, which is kept here as the reference. Both
// must produce the same bytes; the benchmark refuses to report otherwise.
#include "tibasic/Tokenizer.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using vexil::tibasic::CalcModel;
using vexil::tibasic::TokenEntry;

constexpr std::size_t kProgramSize = 1 << 20;

// Lines of up to twelve token texts drawn at random (fixed seed). Texts put side
// by side can read differently ("S" "y\x81" is "Sy" then a lone subscript), so a
// line that does not encode is drawn again; a line break always separates tokens.
std::string GenerateProgram(CalcModel model)
{
    std::vector<const TokenEntry *> usable;
    for (const TokenEntry &entry : vexil::tibasic::TokenList(model)) {
        if (!entry.isUnused() && entry.code != vexil::tibasic::kLineBreakCode) {
            usable.push_back(&entry);
        }
    }
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> pick(0, usable.size() - 1);
    std::uniform_int_distribution<int> lineLength(1, 12);
    std::string text;
    while (text.size() < kProgramSize) {
        std::string line;
        for (int i = lineLength(random); i > 0; --i) {
            line += usable[pick(random)]->text;
        }
        if (vexil::tibasic::EncodeTokens(model, line).ok()) {
            text += line;
            text += "\r\n";
        }
    }
    return text;
}

std::vector<std::uint8_t> EncodeByLinearScan(CalcModel model, std::string_view text)
{
    const std::vector<TokenEntry> &list = vexil::tibasic::TokenList(model);
    std::vector<std::uint8_t> tokens;
    std::size_t position = 0;
    while (position < text.size()) {
        const std::string_view rest = text.substr(position);
        const TokenEntry *best = nullptr;
        for (const TokenEntry &entry : list) {
            if (!entry.isUnused() && rest.starts_with(entry.text) &&
                (best == nullptr || entry.text.size() > best->text.size())) {
                best = &entry;
            }
        }
        std::size_t length = best != nullptr ? best->text.size() : 0;
        std::uint16_t code = best != nullptr ? best->code : 0;
        if (best == nullptr && rest.front() == '\n') {
            length = 1;
            code = vexil::tibasic::kLineBreakCode;
        }
        if (length == 0) {
            return {};
        }
        vexil::tibasic::AppendTokenCode(tokens, code);
        position += length;
    }
    return tokens;
}

const std::string &Program()
{
    static const std::string program = GenerateProgram(CalcModel::TI83);
    return program;
}

bool OutputsAgree()
{
    static const bool agree = [] {
        const auto indexed = vexil::tibasic::EncodeTokens(CalcModel::TI83, Program());
        return indexed.ok() && indexed.tokens == EncodeByLinearScan(CalcModel::TI83, Program());
    }();
    return agree;
}

void EncodeIndexed(benchmark::State &state)
{
    if (!OutputsAgree()) {
        state.SkipWithError("indexed and linear encoders disagree");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(vexil::tibasic::EncodeTokens(CalcModel::TI83, Program()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Program().size()));
}

void EncodeLinearScan(benchmark::State &state)
{
    if (!OutputsAgree()) {
        state.SkipWithError("indexed and linear encoders disagree");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeByLinearScan(CalcModel::TI83, Program()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Program().size()));
}

BENCHMARK(EncodeIndexed)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeLinearScan)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
