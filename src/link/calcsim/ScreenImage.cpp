// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/ScreenImage.h"

#include "base/FileIo.h"
#include "link/calcsim/SimFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>

namespace vexil::link::calcsim {

namespace {

constexpr int kWidth = 96;
constexpr int kHeight = 64;
constexpr uint8_t kPictureType = 0x07;
constexpr size_t kPictureBytes = 756; // 96 x 63

void SetPixel(Screen &screen, int x, int y)
{
    screen[static_cast<size_t>(y * 12 + x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
}

// Reads the PBM header's numbers, skipping white space and comments.
class PbmReader {
public:
    explicit PbmReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    std::optional<int> number()
    {
        skipSpace();
        long value = 0;
        size_t digits = 0;
        while (pos_ < bytes_.size() && std::isdigit(bytes_[pos_]) && digits < 7) {
            value = value * 10 + (bytes_[pos_++] - '0');
            ++digits;
        }
        if (digits == 0 || (pos_ < bytes_.size() && std::isdigit(bytes_[pos_]))) {
            return std::nullopt;
        }
        return static_cast<int>(value);
    }

    // P1 pixels are single '0'/'1' characters, possibly without spaces between.
    std::optional<bool> plainPixel()
    {
        skipSpace();
        if (pos_ >= bytes_.size() || (bytes_[pos_] != '0' && bytes_[pos_] != '1')) {
            return std::nullopt;
        }
        return bytes_[pos_++] == '1';
    }

    size_t position() const { return pos_; }

private:
    void skipSpace()
    {
        while (pos_ < bytes_.size()) {
            if (bytes_[pos_] == '#') {
                while (pos_ < bytes_.size() && bytes_[pos_] != '\n') {
                    ++pos_;
                }
            } else if (std::isspace(bytes_[pos_])) {
                ++pos_;
            } else {
                break;
            }
        }
    }

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

ScreenResult ScreenFromPbm(std::span<const uint8_t> bytes)
{
    const bool raw = bytes[1] == '4';
    PbmReader reader(bytes.subspan(2));
    const auto width = reader.number();
    const auto height = reader.number();
    if (!width || !height || *width <= 0 || *height <= 0) {
        return std::string("The PBM image has no valid width and height.");
    }
    Screen screen{};
    if (raw) {
        // Exactly one white-space byte separates the header from the pixels.
        const size_t start = 2 + reader.position() + 1;
        const size_t rowBytes = (static_cast<size_t>(*width) + 7) / 8;
        if (start > bytes.size() ||
            (bytes.size() - start) / rowBytes < static_cast<size_t>(*height)) {
            return std::string("The PBM image ends before its last row.");
        }
        for (int y = 0; y < std::min(*height, kHeight); ++y) {
            for (int x = 0; x < std::min(*width, kWidth); ++x) {
                const uint8_t b = bytes[start + static_cast<size_t>(y) * rowBytes + x / 8];
                if (b & (0x80 >> (x % 8))) {
                    SetPixel(screen, x, y);
                }
            }
        }
        return screen;
    }
    for (int y = 0; y < std::min(*height, kHeight); ++y) {
        for (int x = 0; x < *width; ++x) {
            const auto dark = reader.plainPixel();
            if (!dark) {
                return std::string("The PBM image ends before its last pixel.");
            }
            if (*dark && x < kWidth) {
                SetPixel(screen, x, y);
            }
        }
    }
    return screen;
}

ScreenResult ScreenFromPicture(std::span<const uint8_t> bytes)
{
    const auto file = ParseSimFile(bytes);
    if (!file || file->variables.empty() || file->variables[0].typeId != kPictureType) {
        return std::string("The file is not a picture variable.");
    }
    const auto &data = file->variables[0].data;
    // The data starts with its own size word, 756.
    if (data.size() < 2 + kPictureBytes) {
        return std::string("The picture variable is shorter than 96x63 pixels.");
    }
    Screen screen{};
    std::copy_n(data.begin() + 2, kPictureBytes, screen.begin());
    return screen;
}

} // namespace

ScreenResult ScreenFromBytes(std::span<const uint8_t> bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 'P' && (bytes[1] == '1' || bytes[1] == '4')) {
        return ScreenFromPbm(bytes);
    }
    if (bytes.size() >= 5 && std::equal(bytes.begin(), bytes.begin() + 5, "**TI8")) {
        return ScreenFromPicture(bytes);
    }
    return std::string("The image is neither a picture variable (.82i, .83i) nor a PBM file.");
}

ScreenResult LoadScreenImage(const std::filesystem::path &path)
{
    // A picture variable or a screen-sized PBM is a few kilobytes.
    const auto read = base::ReadWholeFile(path, 1u << 20);
    if (!read.ok()) {
        return read.error->message;
    }
    return ScreenFromBytes(read.bytes);
}

} // namespace vexil::link::calcsim
