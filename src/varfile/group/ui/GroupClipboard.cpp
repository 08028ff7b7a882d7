// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/ui/GroupClipboard.h"

#include <QMimeData>

namespace vexil::group::ui {

namespace {

// The model digit, then each element as a 4-byte little-endian length and its bytes.
const QString kElementsMime = QStringLiteral("application/x-vexil-group-variables");

char ModelDigit(CalcModel model)
{
    return model == CalcModel::TI82 ? '2' : '3';
}

} // namespace

QMimeData *ElementsToMime(CalcModel model, const std::vector<GroupElement> &elements,
                          const QString &text)
{
    QByteArray data(1, ModelDigit(model));
    for (const GroupElement &element : elements) {
        const auto size = static_cast<quint32>(element.size());
        for (int shift = 0; shift < 32; shift += 8) {
            data.append(static_cast<char>((size >> shift) & 0xFF));
        }
        data.append(reinterpret_cast<const char *>(element.data()),
                    static_cast<qsizetype>(element.size()));
    }
    auto *mime = new QMimeData;
    mime->setData(kElementsMime, data);
    mime->setText(text);
    return mime;
}

std::optional<std::vector<GroupElement>> ElementsFromMime(const QMimeData &mime, CalcModel model)
{
    const QByteArray data = mime.data(kElementsMime);
    if (data.isEmpty() || data[0] != ModelDigit(model)) {
        return std::nullopt;
    }
    std::vector<GroupElement> elements;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(data.constData());
    const auto total = static_cast<std::size_t>(data.size());
    std::size_t offset = 1;
    while (offset < total) {
        if (total - offset < 4) {
            return std::nullopt;
        }
        std::size_t size = 0;
        for (int i = 0; i < 4; ++i) {
            size |= static_cast<std::size_t>(bytes[offset + i]) << (8 * i);
        }
        offset += 4;
        if (total - offset < size) {
            return std::nullopt;
        }
        GroupElement element(bytes + offset, bytes + offset + size);
        if (!IsWholeElement(element)) {
            return std::nullopt;
        }
        elements.push_back(std::move(element));
        offset += size;
    }
    if (elements.empty()) {
        return std::nullopt;
    }
    return elements;
}

} // namespace vexil::group::ui
