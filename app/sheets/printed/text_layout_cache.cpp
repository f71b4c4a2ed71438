#include "text_layout_cache.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>
#include <limits>

namespace zorvix {

namespace {
// Enough for every operand, sign and answer of a class set; a document with more distinct texts
// starts the cache again rather than grow with its length.
constexpr int kMaxTexts = 2048;

constexpr int kAlignmentFlags = Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask;

// What drawText would change before laying the text out: line breaks, mnemonics, tabs and
// length variants. Such texts take the ordinary way.
bool plainText(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == u'&' || u == 0x9c || u == 0x7f || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

QRectF everywhere()
{
    constexpr qreal far = std::numeric_limits<float>::max();
    return QRectF(-far / 2, -far / 2, far, far);
}
} // namespace

struct TextLayoutCache::LaidOut {
    QTextLayout layout;
    qreal width = 0;   // the line's natural width: where drawText places the text's bounds
    qreal height = 0;  // ascent and descent, without leading
    qreal advance = 0; // what drawText aligns the drawn line with
    QRectF ink;        // from the line's top left: the line and every glyph's outline
};

struct TextLayoutCache::FontTexts {
    QFont font;
    Qt::LayoutDirection direction;
    QHash<QString, std::shared_ptr<LaidOut>> texts;
};

TextLayoutCache::TextLayoutCache() = default;
TextLayoutCache::~TextLayoutCache() = default;

int TextLayoutCache::size() const
{
    int n = 0;
    for (const FontTexts& f : m_fonts)
        n += static_cast<int>(f.texts.size());
    return n;
}

std::shared_ptr<const TextLayoutCache::LaidOut> TextLayoutCache::laidOut(const QFont& font, Qt::LayoutDirection direction,
                                                                         const QString& text)
{
    auto known = std::find_if(m_fonts.begin(), m_fonts.end(),
                              [&](const FontTexts& f) { return f.direction == direction && f.font == font; });
    if (known == m_fonts.end()) {
        m_fonts.push_back(FontTexts{font, direction, {}});
        known = m_fonts.end() - 1;
    }
    auto& slot = known->texts[text];
    if (slot)
        return slot;
    // As drawText lays out a single line: in the painter's direction, aligned left (the alignment
    // is applied when drawing), no width limit, at the top of the box.
    slot = std::make_shared<LaidOut>();
    QTextLayout& layout = slot->layout;
    layout.setText(text);
    layout.setFont(font);
    QTextOption option = layout.textOption();
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    slot->width = line.naturalTextWidth();
    slot->height = line.ascent() + line.descent();
    slot->advance = line.horizontalAdvance();
    const QRectF glyphs = QFontMetricsF(font).boundingRect(text).translated(0, line.ascent());
    slot->ink = glyphs.united(QRectF(0, 0, std::max(slot->width, slot->advance), slot->height));
    return slot;
}

TextLayoutCache::Placed TextLayoutCache::place(const QPainter& painter, const QRectF& box, int flags, const QString& text)
{
    Placed placed;
    if (text.isEmpty())
        return placed;
    const QFont& font = painter.font();
    const Qt::LayoutDirection direction = painter.layoutDirection();
    // Right to left swaps the alignment; a line of automatic direction may turn out right to
    // left, which moves it by its trailing blanks.
    const bool simpleDirection = direction == Qt::LeftToRight || (direction == Qt::LayoutDirectionAuto && !text.back().isSpace());
    if ((flags & ~kAlignmentFlags) != 0 || (flags & Qt::AlignJustify) != 0 || !simpleDirection || font.underline() ||
        font.overline() || font.strikeOut() || !plainText(text)) {
        placed.ink = everywhere();
        return placed;
    }
    if (painter.device() != m_device || size() >= kMaxTexts) {
        m_fonts.clear();
        m_device = painter.device();
    }
    placed.laidOut = laidOut(font, direction, text);
    const LaidOut& t = *placed.laidOut;

    // drawText's own placement: its bounds by the natural width, the line by its advance.
    qreal yoff = 0;
    if (flags & Qt::AlignBottom)
        yoff = box.height() - t.height;
    else if (flags & Qt::AlignVCenter)
        yoff = (box.height() - t.height) / 2;
    qreal boundsOff = 0;
    qreal lineOff = 0;
    if (flags & Qt::AlignRight) {
        boundsOff = box.width() - t.width;
        lineOff = box.width() - t.advance;
    } else if (flags & Qt::AlignHCenter) {
        boundsOff = (box.width() - t.width) / 2;
        lineOff = (box.width() - t.advance) / 2;
    }
    placed.at = QPointF(box.x() + lineOff, box.y() + yoff);
    placed.clipped = !box.contains(QRectF(box.x() + boundsOff, box.y() + yoff, t.width, t.height));
    placed.ink = t.ink.translated(placed.at);
    if (placed.clipped)
        placed.ink &= box;
    return placed;
}

void TextLayoutCache::draw(QPainter& painter, const Placed& placed, const QRectF& box, int flags, const QString& text) const
{
    if (!placed.laidOut) {
        painter.drawText(box, flags, text);
        return;
    }
    if (placed.clipped) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        placed.laidOut->layout.lineAt(0).draw(&painter, placed.at);
        painter.restore();
    } else {
        placed.laidOut->layout.lineAt(0).draw(&painter, placed.at);
    }
}

QRectF TextLayoutCache::draw(QPainter& painter, const QRectF& box, int flags, const QString& text)
{
    if (text.isEmpty() || painter.pen().style() == Qt::NoPen)
        return {};
    const Placed placed = place(painter, box, flags, text);
    draw(painter, placed, box, flags, text);
    return placed.ink;
}

} // namespace zorvix
