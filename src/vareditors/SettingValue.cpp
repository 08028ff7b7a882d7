// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/SettingValue.h"

#include "vareditors/RealCodec.h"

namespace vexil::vardata {

namespace {

constexpr std::uint8_t kUndefinedFlag82 = 0x10;
constexpr std::uint8_t kUndefinedFlag83 = 0x02;

std::uint8_t UndefinedFlag(varfile::CalcModel model)
{
    return model == varfile::CalcModel::TI82 ? kUndefinedFlag82 : kUndefinedFlag83;
}

} // namespace

std::optional<SettingValue> ReadSettingValue(const FixedOffsetReader &reader,
                                             varfile::CalcModel model, std::size_t offset,
                                             bool mayBeUndefined)
{
    const auto bytes = reader.bytesAt(offset, kRealSize);
    if (!bytes) {
        return std::nullopt;
    }
    if (mayBeUndefined && ((*bytes)[0] & UndefinedFlag(model)) != 0) {
        return SettingValue::Undefined();
    }
    const auto value = ReadReal(reader, offset);
    if (!value) {
        return std::nullopt;
    }
    return SettingValue{true, *value};
}

bool AppendSettingValue(varfile::Bytes &data, varfile::CalcModel model, const SettingValue &value)
{
    if (value.defined) {
        return AppendReal(data, value.value, varfile::RealKind::Real);
    }
    // An undefined value keeps the number 0 behind its flag.
    AppendReal(data, 0.0, varfile::RealKind::Real);
    data[data.size() - kRealSize] = UndefinedFlag(model);
    return true;
}

std::optional<SettingValue> ParseSettingValue(std::string_view text, bool mayBeUndefined,
                                              bool emptyIsZero)
{
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        if (mayBeUndefined) {
            return SettingValue::Undefined();
        }
        return emptyIsZero ? std::optional(SettingValue{}) : std::nullopt;
    }
    if (const auto value = ParseTypedReal(text)) {
        return SettingValue{true, *value};
    }
    return std::nullopt;
}

} // namespace vexil::vardata
