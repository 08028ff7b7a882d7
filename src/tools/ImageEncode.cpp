// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ImageEncode.h"

#include "base/AsciiText.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

namespace vexil::tools {
namespace {

void PutLittle(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Palette entry 0 black, 1 white; rows bottom up, each padded to four bytes.
std::vector<std::uint8_t> EncodeBmp(const SpriteGrid &cells, int width, int height)
{
    constexpr std::uint32_t kHeaders = 14 + 40 + 8;
    const auto rowSize = static_cast<std::uint32_t>((width + 31) / 32 * 4);
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    out.reserve(kHeaders + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLittle(out, kHeaders + imageSize, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, kHeaders, 4);
    PutLittle(out, 40, 4);
    PutLittle(out, static_cast<std::uint32_t>(width), 4);
    PutLittle(out, static_cast<std::uint32_t>(height), 4);
    PutLittle(out, 1, 2); // planes
    PutLittle(out, 1, 2); // bits per pixel
    PutLittle(out, 0, 4); // no compression
    PutLittle(out, imageSize, 4);
    PutLittle(out, 2835, 4); // 72 dots per inch, each way
    PutLittle(out, 2835, 4);
    PutLittle(out, 2, 4); // palette entries
    PutLittle(out, 2, 4); // both of them needed
    PutLittle(out, 0x000000, 4);
    PutLittle(out, 0xFFFFFF, 4);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowSize, 0);
        for (int x = 0; x < width; ++x) {
            if (!cells.at(x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> EncodePng(const SpriteGrid &cells, int width, int height)
{
    std::vector<std::uint8_t> grey(static_cast<std::size_t>(width) *
                                   static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            grey[static_cast<std::size_t>(y * width + x)] = cells.at(x, y) ? 0 : 255;
        }
    }
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = PNG_FORMAT_GRAY;
    png_alloc_size_t size = 0;
    // The first call measures, the second writes; a picture this small can only
    // fail for want of memory.
    std::vector<std::uint8_t> out;
    if (png_image_write_to_memory(&png, nullptr, &size, 0, grey.data(), 0, nullptr) != 0) {
        out.resize(size);
        if (png_image_write_to_memory(&png, out.data(), &size, 0, grey.data(), 0, nullptr) != 0) {
            out.resize(size);
            return out;
        }
    }
    png_image_free(&png);
    throw std::bad_alloc();
}

} // namespace

std::optional<ImageFormat> ImageFormatOfName(const std::filesystem::path &path)
{
    const std::string extension = base::AsciiLower(path.extension().string());
    if (extension == ".png") {
        return ImageFormat::Png;
    }
    if (extension == ".bmp") {
        return ImageFormat::Bmp;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> EncodeBlackAndWhite(const SpriteGrid &cells, int width, int height,
                                              ImageFormat format)
{
    width = std::clamp(width, 1, static_cast<int>(kSpriteColumns));
    height = std::clamp(height, 1, static_cast<int>(kSpriteRows));
    return format == ImageFormat::Png ? EncodePng(cells, width, height)
                                      : EncodeBmp(cells, width, height);
}

} // namespace vexil::tools
