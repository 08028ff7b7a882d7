// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ui/TextEncoding.h"

#include <QStringDecoder>

namespace vexil::editor {

DecodedText DecodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        return {text, TextEncoding::Utf8};
    }
    return {QString::fromLatin1(bytes), TextEncoding::Latin1};
}

QByteArray EncodeText(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Latin1) {
        // Characters typed that Latin-1 cannot hold turn the file into UTF-8.
        bool fits = true;
        for (QChar c : text) {
            if (c.unicode() > 0xFF) {
                fits = false;
                break;
            }
        }
        if (fits) {
            return text.toLatin1();
        }
    }
    return text.toUtf8();
}

} // namespace vexil::editor
