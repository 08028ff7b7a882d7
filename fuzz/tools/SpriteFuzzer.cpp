// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a picture, as a calculator picture file and as sprite source text: no
// reader may crash or read outside the buffer, a picture read must fit the sprite and
// reduce to black and white by every method, a picture file must save back to the
// rows it held, and a sprite read from text must read back the same from the text
// written for it.
#include "tools/Dither.h"
#include "tools/ImageDecode.h"
#include "tools/PictureFile.h"
#include "tools/SpriteReader.h"
#include "tools/SpriteText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

using namespace vexil::tools;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto image = DecodeImage(std::span(data, size));
    if (const auto *pixels = std::get_if<RgbaImage>(&image)) {
        if (pixels->width < 1 || pixels->height < 1 ||
            pixels->pixels.size() != static_cast<std::size_t>(pixels->width) * pixels->height * 4) {
            std::abort();
        }
        const Sprite sprite = SpriteFromImage(*pixels);
        if (sprite.width > kSpriteColumns || sprite.height > kSpriteRows) {
            std::abort();
        }
        const bool invert = size > 0 && data[size - 1] % 2 == 1;
        for (DitherMethod method :
             {DitherMethod::Threshold, DitherMethod::Ordered, DitherMethod::FloydSteinberg}) {
            ConvertOptions options;
            options.rule = {method, size > 0 ? data[0] : 128, invert};
            options.shrinkToFit = invert;
            (void)ConvertImage(*pixels, options);
        }
    }

    const auto picture = ReadPictureFile(std::span(data, size));
    if (const auto *cells = std::get_if<SpriteGrid>(&picture)) {
        const auto file = BuildPictureFile(vexil::varfile::CalcModel::TI83, 1, *cells);
        if (!file || !std::equal(file->begin() + kPictureDataOffset,
                                 file->begin() + kPictureDataOffset + kPictureDataSize,
                                 data + kPictureDataOffset)) {
            std::abort();
        }
    }

    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const int hint = size > 0 ? data[0] % 20 + 1 : 8;
    const SpriteReadResult read = ReadSpriteText(text, hint);
    if (read.sprite) {
        const Sprite &sprite = *read.sprite;
        if (sprite.width < 1 || sprite.width > kSpriteColumns || sprite.height < 1 ||
            sprite.height > kSpriteRows) {
            std::abort();
        }
        const SpriteText again = WriteSpriteText(sprite, "s", std::nullopt);
        const SpriteReadResult reread = ReadSpriteText(again.text);
        if (!reread.sprite || !(reread.sprite->cells == sprite.cells)) {
            std::abort();
        }
    }
    return 0;
}
