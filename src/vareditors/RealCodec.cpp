// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/RealCodec.h"

#include "varfile/RealText.h"

#include <cmath>

namespace vexil::vardata {

std::optional<double> ReadReal(const FixedOffsetReader &reader, std::size_t offset)
{
    auto bytes = reader.bytesAt(offset, kRealSize);
    if (!bytes) {
        return std::nullopt;
    }
    return varfile::DecodeReal(bytes->first<kRealSize>());
}

bool AppendReal(varfile::Bytes &data, double value, varfile::RealKind kind)
{
    auto bytes = varfile::EncodeReal(value, kind);
    if (!bytes) {
        return false;
    }
    data.insert(data.end(), bytes->begin(), bytes->end());
    return true;
}

std::optional<double> ParseTypedReal(std::string_view text)
{
    const auto parsed = varfile::ParseReal(text);
    if (!parsed || !std::isfinite(*parsed)) {
        return std::nullopt;
    }
    const double rounded = varfile::RoundReal(*parsed);
    if (!varfile::CheckRange(rounded)) {
        return std::nullopt;
    }
    return rounded;
}

} // namespace vexil::vardata
