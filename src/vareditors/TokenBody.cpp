// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/TokenBody.h"

#include "vareditors/FixedOffsetReader.h"

namespace vexil::vardata {

namespace {

constexpr std::size_t kTokensOffset = kTokenBodyOffset;
constexpr std::size_t kChecksumSize = 2;

} // namespace

std::optional<varfile::ByteView> TokenBody(varfile::ByteView file)
{
    if (file.size() < kTokensOffset + kChecksumSize) {
        return std::nullopt;
    }
    return file.subspan(kTokensOffset, file.size() - kChecksumSize - kTokensOffset);
}

varfile::Bytes TokenBodyData(varfile::ByteView tokens)
{
    varfile::Bytes data;
    data.reserve(tokens.size() + 2);
    data.push_back(static_cast<std::uint8_t>(tokens.size() & 0xFF));
    data.push_back(static_cast<std::uint8_t>((tokens.size() >> 8) & 0xFF));
    data.insert(data.end(), tokens.begin(), tokens.end());
    return data;
}

} // namespace vexil::vardata
