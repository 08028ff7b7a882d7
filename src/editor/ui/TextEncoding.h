// SPDX-License-Identifier: GPL-3.0-or-later
// Sources come from DOS-era archives as often as from today's editors. A file that
// is valid UTF-8 is read as such; anything else is read as Latin-1, and it is
// written back in the encoding it came in, so saving never rewrites bytes the
// user did not touch.
#pragma once

#include <QByteArray>
#include <QString>

namespace vexil::editor {

enum class TextEncoding { Utf8, Latin1 };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText DecodeText(const QByteArray &bytes);
QByteArray EncodeText(const QString &text, TextEncoding encoding);

} // namespace vexil::editor
