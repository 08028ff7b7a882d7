// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ImageDecode.h"

#include "tools/GifDecode.h"

#include <png.h>

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace vexil::tools {
namespace {

std::variant<RgbaImage, std::string> DecodePng(std::span<const std::uint8_t> bytes)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()) == 0) {
        return std::string("The PNG picture is damaged: ") + png.message;
    }
    if (png.width > kMaxDecodedSide || png.height > kMaxDecodedSide) {
        png_image_free(&png);
        return PictureTooLargeMessage(png.width, png.height);
    }
    png.format = PNG_FORMAT_RGBA;
    RgbaImage image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr) == 0) {
        return std::string("The PNG picture is damaged: ") + png.message;
    }
    return image;
}

// libjpeg reports a fault by calling error_exit, which must not return: it jumps
// back to the step that was running, with the library's message kept.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JpegFault(j_common_ptr info)
{
    auto *errors = reinterpret_cast<JpegErrors *>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->back, 1);
}

void JpegQuiet(j_common_ptr) {}

// Runs one step of the library, false when it failed. The steps hold nothing with a
// destructor and the objects they change live in the caller, so the jump back
// skips no destructor and leaves no value indeterminate.
template <typename Step> bool JpegStep(JpegErrors &errors, Step step)
{
    if (setjmp(errors.back) != 0) {
        return false;
    }
    step();
    return true;
}

std::variant<RgbaImage, std::string> DecodeJpeg(std::span<const std::uint8_t> bytes)
{
    jpeg_decompress_struct info;
    std::memset(&info, 0, sizeof info); // so destroying it before it was created is harmless
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JpegFault;
    errors.manager.output_message = JpegQuiet;
    errors.message[0] = '\0';
    const auto failed = [&] {
        jpeg_destroy_decompress(&info);
        return std::string("The JPEG picture is damaged: ") + errors.message;
    };
    if (!JpegStep(errors, [&] {
            jpeg_create_decompress(&info);
            jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
            jpeg_read_header(&info, TRUE);
        })) {
        return failed();
    }
    if (info.image_width > kMaxDecodedSide || info.image_height > kMaxDecodedSide) {
        const std::string message = PictureTooLargeMessage(info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return message;
    }
    if (!JpegStep(errors, [&] {
            info.out_color_space = JCS_EXT_RGBA;
            jpeg_start_decompress(&info);
        })) {
        return failed();
    }
    RgbaImage image;
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.pixels.resize(static_cast<std::size_t>(image.width) *
                        static_cast<std::size_t>(image.height) * 4);
    std::uint8_t *const pixels = image.pixels.data();
    if (!JpegStep(errors, [&] {
            while (info.output_scanline < info.output_height) {
                JSAMPROW row =
                    pixels + static_cast<std::size_t>(info.output_scanline) * info.output_width * 4;
                jpeg_read_scanlines(&info, &row, 1);
            }
            jpeg_finish_decompress(&info);
        })) {
        return failed();
    }
    jpeg_destroy_decompress(&info);
    return image;
}

class BmpBytes {
public:
    explicit BmpBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool has(std::size_t offset, std::size_t count) const
    {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint32_t u16(std::size_t offset) const
    {
        return static_cast<std::uint32_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::uint32_t u32(std::size_t offset) const { return u16(offset) | u16(offset + 2) << 16; }
    std::uint8_t at(std::size_t offset) const { return bytes_[offset]; }

private:
    std::span<const std::uint8_t> bytes_;
};

// A colour channel held under mask, scaled to 0-255; 255 when the mask is empty (the
// alpha of a picture without one).
std::uint8_t Channel(std::uint32_t value, std::uint32_t mask)
{
    if (mask == 0) {
        return 255;
    }
    int shift = 0;
    while ((mask >> shift & 1) == 0) {
        ++shift;
    }
    const std::uint64_t top = mask >> shift;
    return static_cast<std::uint8_t>(std::uint64_t{(value & mask) >> shift} * 255 / top);
}

std::variant<RgbaImage, std::string> DecodeBmp(std::span<const std::uint8_t> bytes)
{
    const BmpBytes bmp(bytes);
    const std::string damaged = "The BMP picture is damaged or cut short.";
    if (!bmp.has(0, 26)) {
        return damaged;
    }
    const std::uint32_t dataOffset = bmp.u32(10);
    const std::uint32_t headerSize = bmp.u32(14);
    if (headerSize != 12 && headerSize < 40) {
        return std::string("This kind of BMP picture cannot be read.");
    }
    if (!bmp.has(14, headerSize)) {
        return damaged;
    }
    long long width = 0;
    long long height = 0;
    std::uint32_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t paletteSize = 0;
    std::size_t paletteEntry = 4;
    if (headerSize == 12) {
        width = bmp.u16(18);
        height = static_cast<std::int16_t>(bmp.u16(20));
        bitsPerPixel = bmp.u16(24);
        paletteEntry = 3;
    } else {
        width = static_cast<std::int32_t>(bmp.u32(18));
        height = static_cast<std::int32_t>(bmp.u32(22));
        bitsPerPixel = bmp.u16(28);
        compression = bmp.u32(30);
        paletteSize = bmp.u32(46);
    }
    const bool topDown = height < 0;
    height = topDown ? -height : height;
    if (width <= 0 || height <= 0) {
        return damaged;
    }
    if (width > kMaxDecodedSide || height > kMaxDecodedSide) {
        return PictureTooLargeMessage(width, height);
    }
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
    if (compression == 3 || compression == 6) {
        const std::size_t maskOffset = headerSize >= 52 ? 14 + 40 : 14 + headerSize;
        const std::size_t count = compression == 6 || headerSize >= 56 ? 4 : 3;
        if (!bmp.has(maskOffset, count * 4)) {
            return damaged;
        }
        for (std::size_t i = 0; i < count; ++i) {
            masks[i] = bmp.u32(maskOffset + i * 4);
        }
    } else if (compression != 0) {
        return std::string("Compressed BMP pictures cannot be read.");
    } else if (bitsPerPixel == 16) {
        masks = {0x7C00, 0x03E0, 0x001F, 0};
    } else if (bitsPerPixel == 32) {
        masks = {0xFF0000, 0xFF00, 0xFF, 0};
    }
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 &&
        bitsPerPixel != 24 && bitsPerPixel != 32) {
        return std::string("This kind of BMP picture cannot be read.");
    }
    if (bitsPerPixel <= 8 && paletteSize == 0) {
        paletteSize = 1U << bitsPerPixel;
    }
    const std::size_t paletteOffset =
        14 + headerSize + (compression == 3 && headerSize == 40 ? 12 : 0);
    if (bitsPerPixel <= 8 &&
        (paletteSize > 256 || !bmp.has(paletteOffset, paletteSize * paletteEntry))) {
        return damaged;
    }
    const auto rowSize = static_cast<std::size_t>((bitsPerPixel * width + 31) / 32 * 4);
    if (!bmp.has(dataOffset, rowSize * static_cast<std::size_t>(height))) {
        return damaged;
    }
    RgbaImage image;
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(static_cast<std::size_t>(width * height) * 4);
    for (long long y = 0; y < height; ++y) {
        const std::size_t row =
            dataOffset + rowSize * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        for (long long x = 0; x < width; ++x) {
            std::uint8_t *out = &image.pixels[static_cast<std::size_t>(y * width + x) * 4];
            if (bitsPerPixel <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bitsPerPixel;
                const std::uint32_t index =
                    (bmp.at(row + bit / 8) >> (8 - bitsPerPixel - bit % 8)) &
                    ((1U << bitsPerPixel) - 1);
                if (index >= paletteSize) {
                    return damaged;
                }
                const std::size_t entry = paletteOffset + index * paletteEntry;
                out[0] = bmp.at(entry + 2);
                out[1] = bmp.at(entry + 1);
                out[2] = bmp.at(entry);
                out[3] = 255;
            } else if (bitsPerPixel == 24) {
                const std::size_t at = row + static_cast<std::size_t>(x) * 3;
                out[0] = bmp.at(at + 2);
                out[1] = bmp.at(at + 1);
                out[2] = bmp.at(at);
                out[3] = 255;
            } else {
                const std::size_t at = row + static_cast<std::size_t>(x) * (bitsPerPixel / 8);
                const std::uint32_t value = bitsPerPixel == 16 ? bmp.u16(at) : bmp.u32(at);
                for (std::size_t i = 0; i < 4; ++i) {
                    out[i] = Channel(value, masks[i]);
                }
            }
        }
    }
    return image;
}

} // namespace

std::string PictureTooLargeMessage(long long width, long long height)
{
    return "The picture is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; at most " + std::to_string(kMaxDecodedSide) + " x " +
           std::to_string(kMaxDecodedSide) + " can be read.";
}

std::variant<RgbaImage, std::string> DecodeImage(std::span<const std::uint8_t> bytes)
{
    static constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() >= sizeof kPngSignature &&
        std::memcmp(bytes.data(), kPngSignature, sizeof kPngSignature) == 0) {
        return DecodePng(bytes);
    }
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        return DecodeBmp(bytes);
    }
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
        return DecodeJpeg(bytes);
    }
    if (bytes.size() >= 3 && std::memcmp(bytes.data(), "GIF", 3) == 0) {
        return DecodeGif(bytes);
    }
    return std::string("The file is not a PNG, BMP, JPEG or GIF picture.");
}

} // namespace vexil::tools
