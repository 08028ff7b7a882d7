// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/CalcReal.h"

#include "varfile/DecimalDigits.h"

#include <cmath>

namespace vexil::varfile {

std::optional<RealBytes> EncodeReal(double value, RealKind kind)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const DecimalDigits decimal = RoundToDigits(value);
    RealBytes bytes{};
    if (decimal.zero || decimal.exponent < kMinExponent) {
        bytes[0] = static_cast<std::uint8_t>(kind);
        bytes[1] = 0x80;
        return bytes;
    }
    if (decimal.exponent > kMaxExponent) {
        return std::nullopt;
    }
    bytes[0] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(kind) |
                                         (decimal.negative ? 0x80 : 0x00));
    bytes[1] = static_cast<std::uint8_t>(decimal.exponent + 128);
    for (std::size_t i = 0; i < 7; ++i) {
        bytes[2 + i] =
            static_cast<std::uint8_t>(16 * decimal.digits[2 * i] + decimal.digits[2 * i + 1]);
    }
    return bytes;
}

std::optional<double> DecodeReal(std::span<const std::uint8_t, 9> bytes)
{
    DecimalDigits decimal;
    decimal.negative = (bytes[0] & 0x80) != 0;
    for (std::size_t i = 0; i < 7; ++i) {
        const int high = bytes[2 + i] >> 4;
        const int low = bytes[2 + i] & 0x0F;
        if (high > 9 || low > 9) {
            return std::nullopt;
        }
        decimal.digits[2 * i] = high;
        decimal.digits[2 * i + 1] = low;
    }
    decimal.exponent = bytes[1] - 128;
    decimal.zero = true;
    for (int digit : decimal.digits) {
        decimal.zero = decimal.zero && digit == 0;
    }
    const double value = DigitsToDouble(decimal);
    return decimal.negative && value == 0 ? 0.0 : value;
}

std::optional<double> DecodeRealAt(std::span<const std::uint8_t> data, std::size_t offset)
{
    if (offset > data.size() || data.size() - offset < 9) {
        return std::nullopt;
    }
    return DecodeReal(data.subspan(offset).first<9>());
}

double RoundReal(double value)
{
    if (!std::isfinite(value)) {
        return value;
    }
    return DigitsToDouble(RoundToDigits(value));
}

bool CheckRange(double value)
{
    return value > -1e100 && value < 1e100;
}

} // namespace vexil::varfile
