// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli sprite: a PNG or BMP picture as the ".db" lines the Sprite Editor copies,
// so a Makefile can turn drawn sprites into include files.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "base/FileIo.h"
#include "tools/ImageDecode.h"
#include "tools/SpriteText.h"

#include <charconv>
#include <iostream>

namespace vexil::cli {

int RunSprite(const Words &words)
{
    const CliArgs args(words, {"--label", "--segment"}, {});
    args.expectPositional(1, 1);
    const std::string label = args.required("--label");
    if (label.empty()) {
        throw UsageError("--label needs a name");
    }
    std::optional<int> segmentSize;
    if (const auto segment = args.value("--segment")) {
        int size = 0;
        const auto [end, error] =
            std::from_chars(segment->data(), segment->data() + segment->size(), size);
        if (error != std::errc() || end != segment->data() + segment->size() || size < 1) {
            throw UsageError("--segment takes a whole number of at least 1");
        }
        segmentSize = size;
    }
    const std::string &path = args.positional()[0];
    const base::ReadResult read = base::ReadWholeFile(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli: " << read.error->message << '\n';
        return kExitBadInput;
    }
    const auto image = tools::DecodeImage(read.bytes);
    if (const auto *error = std::get_if<std::string>(&image)) {
        std::cerr << path << ": " << *error << '\n';
        return kExitBadInput;
    }
    const tools::Sprite sprite = tools::SpriteFromImage(std::get<tools::RgbaImage>(image));
    std::cout << tools::WriteSpriteText(sprite, label, segmentSize).text << std::flush;
    return kExitOk;
}

} // namespace vexil::cli
