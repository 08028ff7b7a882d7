// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators' 9-byte numbers: byte 0 holds the sign (bit 7) and the kind,
// byte 1 the decimal exponent plus 128, bytes 2 to 8 fourteen packed BCD digits
// d1.d2...d14. The editors keep numbers as doubles and convert at the edges.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vexil::varfile {

using RealBytes = std::array<std::uint8_t, 9>;

enum class RealKind : std::uint8_t {
    Real = 0x00,
    ComplexHalf = 0x0C, // each half of a number the complex editor writes
};

inline constexpr int kMinExponent = -99;
inline constexpr int kMaxExponent = 99;

// `value` rounded half away from zero to 14 significant digits. Returns nothing
// when the rounded magnitude reaches 1E100 (the exponent would need three digits)
// or the value is not finite. Non-zero values below 1E-99 in magnitude encode as
// zero, as the calculator itself underflows.
std::optional<RealBytes> EncodeReal(double value, RealKind kind = RealKind::Real);

// The value of 9 stored bytes; nothing when a mantissa nibble is above 9. Only
// bit 7 of byte 0 is looked at.
std::optional<double> DecodeReal(std::span<const std::uint8_t, 9> bytes);

// The number stored at `offset` of `data`; nothing when fewer than 9 bytes are
// left there or the bytes cannot be decoded.
std::optional<double> DecodeRealAt(std::span<const std::uint8_t> data, std::size_t offset);

// `value` rounded half away from zero to 14 significant digits.
double RoundReal(double value);

// True when -1E100 < value < 1E100.
bool CheckRange(double value);

} // namespace vexil::varfile
