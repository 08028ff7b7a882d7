// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/KeypadFace.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace vexil::tibasic::ui {

namespace {

// The keyboard in units of one key column. Each row is a band for the captions and
// the keys below it; the indicator strip runs along the top.
constexpr double kMargin = 0.2;
constexpr double kStrip = 0.6;
constexpr double kBand = 0.3;
constexpr double kKeyHeight = 0.5;
constexpr double kTopKeyHeight = 0.4;
constexpr double kRowPitch = 0.92;
constexpr double kInset = 0.08;
constexpr double kWidth = 2 * kMargin + 5;
constexpr double kHeight = 2 * kMargin + kStrip + 10 * kRowPitch - (kRowPitch - kBand - kKeyHeight);

double RowTop(int row)
{
    return kMargin + kStrip + (row - 1) * kRowPitch;
}

bool IsArrow(int tag)
{
    return tag >= 24 && tag <= 27;
}

QRectF ArrowRect(int tag)
{
    constexpr double width = 0.62;
    constexpr double height = 0.4;
    const double left = kMargin + 3;
    const double top = RowTop(2) + kBand;
    const double bottom = RowTop(3) + kBand + kKeyHeight;
    QPointF centre((left + 1.0), (top + bottom) / 2);
    switch (tag) {
    case 24:
        centre.setX(left + 0.38);
        break;
    case 26:
        centre.setX(left + 1.62);
        break;
    case 25:
        centre.setY(top + height / 2);
        break;
    default:
        centre.setY(bottom - height / 2);
        break;
    }
    return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

QRectF KeyRect(int tag)
{
    if (IsArrow(tag)) {
        return ArrowRect(tag);
    }
    const int row = tag / 10;
    const int column = tag % 10;
    return {kMargin + (column - 1) + kInset, RowTop(row) + kBand, 1 - 2 * kInset,
            row == 1 ? kTopKeyHeight : kKeyHeight};
}

bool IsLightKey(int tag)
{
    const int row = tag / 10;
    const int column = tag % 10;
    return (row >= 7 && row <= 9 && column >= 2 && column <= 4) ||
           (row == 10 && column >= 2 && column <= 4);
}

bool IsOperatorKey(int tag)
{
    return tag / 10 >= 5 && tag % 10 == 5;
}

// `font` at `pixels`, or smaller where `text` would not fit across `width`.
QFont Fitted(QFont font, const QString &text, double pixels, double width)
{
    pixels = std::max(5.0, pixels);
    for (;;) {
        font.setPixelSize(static_cast<int>(pixels));
        if (pixels <= 5 || QFontMetricsF(font).horizontalAdvance(text) <= width) {
            return font;
        }
        pixels -= 0.5;
    }
}

QFont KeyFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    return font;
}

} // namespace

KeypadColours ColoursOf(CalcModel model)
{
    if (model == CalcModel::TI82) {
        return {QColor(0x3B, 0x3F, 0x47), QColor(0xD9, 0xDB, 0xE0), QColor(0x22, 0x25, 0x2B),
                QColor(0x5A, 0x62, 0x70), QColor(0xAE, 0xB4, 0xBF), QColor(0x3F, 0x8F, 0xD8),
                QColor(0x9A, 0xA0, 0xA8), QColor(0x74, 0xB8, 0xFF), QColor(0xC9, 0xCE, 0xD6)};
    }
    return {QColor(0x1F, 0x2B, 0x3D), QColor(0xE8, 0xE8, 0xE8), QColor(0x35, 0x3E, 0x4C),
            QColor(0x5A, 0x71, 0x90), QColor(0xB8, 0xC2, 0xD0), QColor(0xF2, 0xC3, 0x00),
            QColor(0x38, 0xA8, 0x52), QColor(0xF2, 0xC3, 0x00), QColor(0x4C, 0xC8, 0x6E)};
}

PressablePanel::PressablePanel(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void PressablePanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    tracking_ = true;
    down_ = true;
    update();
}

void PressablePanel::mouseMoveEvent(QMouseEvent *event)
{
    if (!tracking_) {
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != down_) {
        down_ = inside;
        update();
    }
}

void PressablePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !tracking_) {
        event->ignore();
        return;
    }
    tracking_ = false;
    down_ = false;
    update();
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

KeypadKeyPanel::KeypadKeyPanel(const KeypadKey &key, QColor colour, QColor text, QWidget *parent)
    : PressablePanel(parent), tag_(key.tag), face_(QString::fromStdString(key.face)),
      colour_(colour), text_(text)
{
    setObjectName(QStringLiteral("key%1").arg(tag_));
    setToolTip(face_);
}

void KeypadKeyPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = area.height() * 0.28;
    const QColor fill = isDown() ? colour_.darker(135) : colour_;
    painter.setPen(QPen(colour_.darker(180), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(area, radius, radius);
    if (!isDown()) {
        // A lighter top edge makes the key stand up from the body.
        painter.setPen(QPen(colour_.lighter(140), 1));
        painter.drawLine(QPointF(area.left() + radius, area.top() + 1.5),
                         QPointF(area.right() - radius, area.top() + 1.5));
    }
    const QRectF textArea = area.translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
    painter.setFont(Fitted(KeyFont(), face_, textArea.height() * 0.45, textArea.width() * 0.82));
    painter.setPen(text_);
    painter.drawText(textArea, Qt::AlignCenter, face_);
}

KeypadCaption::KeypadCaption(int tag, KeyLayer layer, const QString &text, QColor colour,
                             Qt::Alignment alignment, QWidget *parent)
    : PressablePanel(parent), tag_(tag), layer_(layer), text_(text), colour_(colour),
      alignment_(alignment)
{
    setObjectName(
        QStringLiteral("%1%2").arg(layer == KeyLayer::Second ? "second" : "alpha").arg(tag));
    setToolTip(text_);
}

void KeypadCaption::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = Fitted(this->font(), text_, this->font().pixelSize(), width());
    font.setUnderline(isDown());
    painter.setFont(font);
    painter.setPen(isDown() ? colour_.lighter(130) : colour_);
    painter.drawText(rect(), static_cast<int>(alignment_ | Qt::AlignBottom), text_);
}

KeypadFace::KeypadFace(CalcModel model, QWidget *parent)
    : QWidget(parent), model_(model), colours_(ColoursOf(model))
{
    for (const KeypadKey &key : KeypadKeys(model)) {
        const auto [colour, text] = keyColours(key.tag);
        auto *panel = new KeypadKeyPanel(key, colour, text, this);
        connect(panel, &PressablePanel::clicked, this,
                [this, tag = key.tag] { emit keyClicked(tag); });
        keys_.push_back(panel);

        const bool both = !key.secondCaption.empty() && !key.alphaCaption.empty();
        addCaption(key.tag, KeyLayer::Second, key.secondCaption, colours_.secondCaption,
                   both ? Qt::AlignLeft : Qt::AlignHCenter);
        addCaption(key.tag, KeyLayer::Alpha, key.alphaCaption, colours_.alphaCaption,
                   both ? Qt::AlignRight : Qt::AlignHCenter);
    }
    setMinimumSize(160, 300);
}

std::pair<QColor, QColor> KeypadFace::keyColours(int tag) const
{
    const QColor dark(0x20, 0x20, 0x20);
    if (tag / 10 == 1) {
        return {colours_.topKey, dark};
    }
    if (tag == kSecondKey) {
        return {colours_.secondKey, model_ == CalcModel::TI83 ? dark : QColor(Qt::white)};
    }
    if (tag == kAlphaKey) {
        return {colours_.alphaKey, Qt::white};
    }
    if (IsLightKey(tag)) {
        return {colours_.lightKey, dark};
    }
    return {IsOperatorKey(tag) ? colours_.operatorKey : colours_.darkKey, Qt::white};
}

void KeypadFace::addCaption(int tag, KeyLayer layer, const std::string &text, QColor colour,
                            Qt::Alignment alignment)
{
    if (text.empty()) {
        return;
    }
    auto *caption =
        new KeypadCaption(tag, layer, QString::fromStdString(text), colour, alignment, this);
    connect(caption, &PressablePanel::clicked, this,
            [this, tag, layer] { emit captionClicked(tag, layer); });
    captions_.push_back(caption);
}

QSize KeypadFace::sizeHint() const
{
    return {static_cast<int>(kWidth * 54), static_cast<int>(kHeight * 54)};
}

void KeypadFace::showState(const KeypadState &state)
{
    second_ = state.second();
    alpha_ = state.alpha();
    alphaLock_ = state.alphaLock();
    update();
}

KeypadKeyPanel *KeypadFace::key(int tag) const
{
    const auto found = std::find_if(keys_.begin(), keys_.end(),
                                    [tag](const KeypadKeyPanel *key) { return key->tag() == tag; });
    return found != keys_.end() ? *found : nullptr;
}

KeypadCaption *KeypadFace::caption(int tag, KeyLayer layer) const
{
    const auto found =
        std::find_if(captions_.begin(), captions_.end(), [&](const KeypadCaption *c) {
            return c->tag() == tag && c->layer() == layer;
        });
    return found != captions_.end() ? *found : nullptr;
}

double KeypadFace::unit() const
{
    return std::min(width() / kWidth, height() / kHeight);
}

QPointF KeypadFace::origin() const
{
    return {(width() - kWidth * unit()) / 2, (height() - kHeight * unit()) / 2};
}

QRect KeypadFace::toWidget(const QRectF &units) const
{
    const double u = unit();
    const QPointF at = origin() + units.topLeft() * u;
    return QRectF(at, units.size() * u).toRect();
}

void KeypadFace::resizeEvent(QResizeEvent *)
{
    for (KeypadKeyPanel *key : keys_) {
        key->setGeometry(toWidget(KeyRect(key->tag())));
    }
    // One size for every caption, as printed on the calculator; a caption shrinks
    // only where its text would not fit. Two captions share the width of their key,
    // the letter taking what it needs at the right; one alone may also use the gaps
    // beside the key ("STAT PLOT").
    QFont font = KeyFont();
    font.setBold(false);
    font.setPixelSize(std::max(6, static_cast<int>(unit() * kBand * 0.62)));
    const QFontMetricsF metrics(font);
    for (KeypadCaption *caption : captions_) {
        const QRectF key = KeyRect(caption->tag());
        QRectF band(key.left(), key.top() - kBand, key.width(), kBand * 0.95);
        const KeypadCaption *letter = this->caption(caption->tag(), KeyLayer::Alpha);
        if (letter != nullptr && this->caption(caption->tag(), KeyLayer::Second) != nullptr) {
            const double letterWidth =
                (metrics.horizontalAdvance(letter->text()) + metrics.averageCharWidth()) / unit();
            if (caption->layer() == KeyLayer::Second) {
                band.setRight(band.right() - letterWidth);
            } else {
                band.setLeft(band.right() - letterWidth);
            }
        } else {
            band.adjust(-kInset, 0, kInset, 0);
        }
        caption->setFont(font);
        caption->setGeometry(toWidget(band));
    }
}

void KeypadFace::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), colours_.body.darker(160));
    const double u = unit();
    const QRectF body(origin(), QSizeF(kWidth * u, kHeight * u));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours_.body);
    painter.drawRoundedRect(body, 0.25 * u, 0.25 * u);

    const QRectF strip(origin() + QPointF(kMargin, kMargin * 0.6) * u,
                       QSizeF(5 * u, (kStrip - 0.15) * u));
    QFont name = KeyFont();
    name.setItalic(true);
    name.setPixelSize(std::max(6, static_cast<int>(strip.height() * 0.62)));
    painter.setFont(name);
    painter.setPen(QColor(0xE6, 0xE6, 0xE6));
    painter.drawText(strip, Qt::AlignLeft | Qt::AlignVCenter,
                     model_ == CalcModel::TI82 ? QStringLiteral("TI-82") : QStringLiteral("TI-83"));

    // The indicators, right to left: A-LOCK, ALPHA, 2nd.
    const struct {
        const char *label;
        bool on;
        QColor colour;
    } lamps[] = {{"2nd", second_, colours_.secondKey},
                 {"ALPHA", alpha_, colours_.alphaKey},
                 {"A-LOCK", alphaLock_, colours_.alphaKey}};
    QFont small = KeyFont();
    small.setPixelSize(std::max(5, static_cast<int>(strip.height() * 0.36)));
    painter.setFont(small);
    const double lampWidth = 0.95 * u;
    const double lampHeight = strip.height() * 0.62;
    double x = strip.right() - 3 * lampWidth - 0.2 * u;
    for (const auto &lamp : lamps) {
        const QRectF area(x, strip.center().y() - lampHeight / 2, lampWidth - 0.1 * u, lampHeight);
        painter.setPen(QPen(lamp.on ? lamp.colour : colours_.body.lighter(160), 1));
        painter.setBrush(lamp.on ? lamp.colour : Qt::transparent);
        painter.drawRoundedRect(area, lampHeight / 2, lampHeight / 2);
        painter.setPen(lamp.on ? QColor(0x10, 0x10, 0x10) : colours_.body.lighter(190));
        painter.drawText(area, Qt::AlignCenter, QString::fromLatin1(lamp.label));
        x += lampWidth;
    }
}

} // namespace vexil::tibasic::ui
