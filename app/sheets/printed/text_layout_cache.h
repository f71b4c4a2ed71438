#pragma once
// Draws short single-line texts exactly as QPainter::drawText(rect, flags, text) does, from text
// layouts kept between calls. drawText lays out and shapes its text anew every time, which is most
// of the cost of a worksheet page; the page's texts are a few hundred numbers that recur page
// after page, so each distinct text is shaped once per document.
#include <QFont>
#include <QHash>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class QTextLayout;

namespace zorvix {

class TextLayoutCache final {
public:
    TextLayoutCache();
    ~TextLayoutCache();
    TextLayoutCache(const TextLayoutCache&) = delete;
    TextLayoutCache& operator=(const TextLayoutCache&) = delete;

    struct LaidOut;

    // A text laid out with the painter's font and direction and placed in its box.
    struct Placed {
        std::shared_ptr<const LaidOut> laidOut; // none: drawText draws it
        QPointF at;                             // where the line goes
        bool clipped = false;                   // it overflows its box, which clips it
        QRectF ink;                             // where its ink may lie; everywhere for drawText
    };

    // Lays out (once) and places; draw() may come later, with the same font and direction set.
    // With wrapping flags, mnemonics, tabs or line breaks, drawText is left to do it all.
    Placed place(const QPainter& painter, const QRectF& box, int flags, const QString& text);
    void draw(QPainter& painter, const Placed& placed, const QRectF& box, int flags, const QString& text) const;

    // The same result as painter.drawText(box, flags, text) with the painter's font and pen.
    // Returns where the text's ink may lie (empty when nothing was drawn).
    QRectF draw(QPainter& painter, const QRectF& box, int flags, const QString& text);

    // Distinct texts laid out and kept.
    int size() const;

private:
    struct FontTexts;
    std::shared_ptr<const LaidOut> laidOut(const QFont& font, Qt::LayoutDirection direction, const QString& text);

    // Per font and direction. Layouts hold on to their font, which is bound to the device:
    // another device starts anew.
    const QPaintDevice* m_device = nullptr;
    std::vector<FontTexts> m_fonts;
};

} // namespace zorvix
