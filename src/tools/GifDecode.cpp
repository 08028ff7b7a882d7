// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/GifDecode.h"

#include "tools/ImageDecode.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace vexil::tools {
namespace {

struct MemoryInput {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

int ReadFromMemory(GifFileType *gif, GifByteType *out, int wanted)
{
    auto *input = static_cast<MemoryInput *>(gif->UserData);
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(wanted, 0)), input->bytes.size() - input->at);
    std::memcpy(out, input->bytes.data() + input->at, count);
    input->at += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

std::string Damaged(int error)
{
    const char *reason = GifErrorString(error);
    return std::string("The GIF picture is damaged: ") + (reason ? reason : "unknown error");
}

// Skips an extension, keeping the transparent colour a graphics control block names.
bool ReadExtension(GifFileType *gif, int &transparent)
{
    int code = 0;
    GifByteType *block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return false;
    }
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
        GraphicsControlBlock control;
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
            transparent = control.TransparentColor;
        }
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

// The rows of a frame in the order the file stores them.
std::vector<int> RowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int row = 0; row < height; ++row) {
            rows.push_back(row);
        }
        return rows;
    }
    static constexpr std::array<int, 4> kStart = {0, 4, 2, 1};
    static constexpr std::array<int, 4> kStep = {8, 8, 4, 2};
    for (std::size_t pass = 0; pass < kStart.size(); ++pass) {
        for (int row = kStart[pass]; row < height; row += kStep[pass]) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::variant<RgbaImage, std::string> ReadFrame(GifFileType *gif, int transparent)
{
    if (DGifGetImageDesc(gif) == GIF_ERROR) {
        return Damaged(gif->Error);
    }
    const GifImageDesc &frame = gif->Image;
    const ColorMapObject *colours = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (colours == nullptr) {
        return std::string("The GIF picture has no colour table.");
    }
    if (frame.Width <= 0 || frame.Height <= 0) {
        return Damaged(D_GIF_ERR_WRONG_RECORD);
    }
    if (frame.Width > kMaxDecodedSide || frame.Height > kMaxDecodedSide) {
        return PictureTooLargeMessage(frame.Width, frame.Height);
    }
    // A frame that does not fit its screen is shown alone, as viewers do.
    const bool fits = frame.Left >= 0 && frame.Top >= 0 &&
                      frame.Left + frame.Width <= gif->SWidth &&
                      frame.Top + frame.Height <= gif->SHeight;
    RgbaImage image;
    image.width = fits ? gif->SWidth : frame.Width;
    image.height = fits ? gif->SHeight : frame.Height;
    const int left = fits ? frame.Left : 0;
    const int top = fits ? frame.Top : 0;
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height * 4, 0);

    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (int row : RowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) {
            return Damaged(gif->Error);
        }
        std::uint8_t *out =
            &image.pixels[(static_cast<std::size_t>(top + row) * image.width + left) * 4];
        for (GifPixelType index : line) {
            if (index != transparent && index < colours->ColorCount) {
                const GifColorType &colour = colours->Colors[index];
                out[0] = colour.Red;
                out[1] = colour.Green;
                out[2] = colour.Blue;
                out[3] = 255;
            }
            out += 4;
        }
    }
    return image;
}

} // namespace

std::variant<RgbaImage, std::string> DecodeGif(std::span<const std::uint8_t> bytes)
{
    MemoryInput input{bytes};
    int error = 0;
    GifHandle gif(DGifOpen(&input, ReadFromMemory, &error));
    if (!gif) {
        return Damaged(error);
    }
    if (gif->SWidth > kMaxDecodedSide || gif->SHeight > kMaxDecodedSide) {
        return PictureTooLargeMessage(gif->SWidth, gif->SHeight);
    }
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) {
            return Damaged(gif->Error);
        }
        switch (record) {
        case IMAGE_DESC_RECORD_TYPE:
            return ReadFrame(gif.get(), transparent);
        case EXTENSION_RECORD_TYPE:
            if (!ReadExtension(gif.get(), transparent)) {
                return Damaged(gif->Error);
            }
            break;
        case TERMINATE_RECORD_TYPE:
            return std::string("The GIF file holds no picture.");
        default:
            return Damaged(D_GIF_ERR_WRONG_RECORD);
        }
    }
}

} // namespace vexil::tools
