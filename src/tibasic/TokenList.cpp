// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/TokenList.h"

#include "tibasic/GlyphNotation.h"
#include "tibasic/TokenLookup.h"
#include "tibasic/TokenTables.h"

#include <algorithm>
#include <stdexcept>

namespace vexil::tibasic {

namespace {

std::array<const char *, 256> OneByteTexts(CalcModel model)
{
    std::array<const char *, 256> texts = tables::kTI82OneByte;
    if (model == CalcModel::TI83) {
        for (const tables::RawToken &change : tables::kTI83OneByteChanges) {
            texts.at(change.code) = change.text;
        }
    }
    return texts;
}

detail::TokenLookup BuildLookup(CalcModel model)
{
    detail::TokenLookup lookup;
    lookup.oneByte.fill(-1);
    lookup.groupSlot.fill(-1);

    const std::array<const char *, 256> oneByte = OneByteTexts(model);
    for (std::size_t byte = 0; byte < oneByte.size(); ++byte) {
        if (oneByte[byte] == nullptr) {
            lookup.groupSlot[byte] = static_cast<std::int8_t>(lookup.secondByte.size());
            lookup.secondByte.emplace_back().fill(-1);
        } else {
            lookup.oneByte[byte] = static_cast<std::int16_t>(lookup.entries.size());
            lookup.entries.push_back(
                {static_cast<std::uint16_t>(byte), ExpandGlyphNotation(oneByte[byte])});
        }
    }

    const auto &twoByte = model == CalcModel::TI82 ? tables::kTI82TwoByte : tables::kTI83TwoByte;
    for (const tables::RawToken &raw : twoByte) {
        const std::int8_t slot = lookup.groupSlot[raw.code >> 8];
        if (slot < 0) {
            throw std::logic_error("two-byte token outside a group");
        }
        lookup.secondByte[slot][raw.code & 0xFF] = static_cast<std::int16_t>(lookup.entries.size());
        lookup.entries.push_back({raw.code, ExpandGlyphNotation(raw.text)});
    }

    // Views into `entries` stay valid: the vector is complete and never grows again.
    for (const TokenEntry &entry : lookup.entries) {
        if (!entry.isUnused()) {
            const auto first = static_cast<unsigned char>(entry.text.front());
            lookup.byFirstByte[first].push_back({entry.text, entry.code});
        }
        if (entry.text.size() > 1 && entry.text.back() == ' ') {
            const std::string_view text = entry.text;
            lookup.withoutFinalBlank.emplace(text.substr(0, text.size() - 1), entry.code);
        }
    }
    // The TI-83 saves a shown placeholder as its last unused one-byte code, so a
    // program decoded with unused codes in it can still be saved; the TI-82 refuses it.
    if (model == CalcModel::TI83) {
        lookup.byFirstByte['~'].push_back({"~", kTI83PlaceholderCode});
    }
    // A lone LF is a line break too, so text typed or pasted on Linux encodes.
    lookup.byFirstByte['\n'].push_back({"\n", kLineBreakCode});
    for (auto &bucket : lookup.byFirstByte) {
        std::stable_sort(bucket.begin(), bucket.end(),
                         [](const detail::Candidate &a, const detail::Candidate &b) {
                             return a.text.size() > b.text.size();
                         });
    }
    return lookup;
}

} // namespace

namespace detail {

const TokenLookup &Lookup(CalcModel model)
{
    static const TokenLookup ti82 = BuildLookup(CalcModel::TI82);
    static const TokenLookup ti83 = BuildLookup(CalcModel::TI83);
    return model == CalcModel::TI82 ? ti82 : ti83;
}

} // namespace detail

const std::vector<TokenEntry> &TokenList(CalcModel model)
{
    return detail::Lookup(model).entries;
}

bool IsGroupByte(CalcModel model, std::uint8_t byte)
{
    return detail::Lookup(model).groupSlot[byte] >= 0;
}

std::optional<std::string_view> TokenText(CalcModel model, std::uint16_t code)
{
    const detail::TokenLookup &lookup = detail::Lookup(model);
    std::int16_t index = -1;
    if (code <= 0xFF) {
        index = lookup.oneByte[code];
    } else if (const std::int8_t slot = lookup.groupSlot[code >> 8]; slot >= 0) {
        index = lookup.secondByte[slot][code & 0xFF];
    }
    if (index < 0) {
        return std::nullopt;
    }
    return std::string_view(lookup.entries[index].text);
}

} // namespace vexil::tibasic
