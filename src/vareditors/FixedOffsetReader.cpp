// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/FixedOffsetReader.h"

namespace vexil::vardata {

std::optional<std::uint8_t> FixedOffsetReader::byteAt(std::size_t offset) const
{
    if (offset >= bytes_.size()) {
        return std::nullopt;
    }
    return bytes_[offset];
}

std::optional<std::uint16_t> FixedOffsetReader::wordAt(std::size_t offset) const
{
    auto low = byteAt(offset);
    auto high = offset + 1 > offset ? byteAt(offset + 1) : std::nullopt;
    if (!low || !high) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*low | (*high << 8));
}

std::optional<std::span<const std::uint8_t>> FixedOffsetReader::bytesAt(std::size_t offset,
                                                                        std::size_t count) const
{
    if (offset > bytes_.size() || count > bytes_.size() - offset) {
        return std::nullopt;
    }
    return bytes_.subspan(offset, count);
}

bool FixedOffsetReader::isTI82() const
{
    auto model = byteAt(kModelOffset);
    return model && *model == '2';
}

} // namespace vexil::vardata
