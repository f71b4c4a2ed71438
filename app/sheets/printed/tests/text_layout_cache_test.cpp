// Texts drawn from kept layouts must reach the paint engine exactly as QPainter::drawText sends
// them: the same text items at the same positions, and the same clipping.
#include "sheets/printed/text_layout_cache.h"

#include "common/qt/twips.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTextItem>
#include <gtest/gtest.h>

namespace zorvix {
namespace {

// Writes down what reaches the engine, in full precision.
class RecordingEngine final : public QPaintEngine {
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        const auto dirty = state.state();
        if (dirty & (DirtyClipRegion | DirtyClipPath | DirtyClipEnabled)) {
            const QRectF clip =
                (dirty & DirtyClipPath) ? state.clipPath().boundingRect() : QRectF(state.clipRegion().boundingRect());
            log << QStringLiteral("clip %1 %2 %3").arg(state.clipOperation()).arg(rect(clip)).arg(state.isClipEnabled());
        }
    }

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        log << QStringLiteral("text '%1' at %2,%3 width %4 font %5")
                   .arg(item.text())
                   .arg(p.x(), 0, 'g', 17)
                   .arg(p.y(), 0, 'g', 17)
                   .arg(item.width(), 0, 'g', 17)
                   .arg(item.font().toString());
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { log << QStringLiteral("pixmap"); }
    void drawPath(const QPainterPath& path) override { log << QStringLiteral("path %1").arg(rect(path.boundingRect())); }

    static QString rect(const QRectF& r)
    {
        return QStringLiteral("%1,%2 %3x%4")
            .arg(r.x(), 0, 'g', 17)
            .arg(r.y(), 0, 'g', 17)
            .arg(r.width(), 0, 'g', 17)
            .arg(r.height(), 0, 'g', 17);
    }

    QStringList log;
};

class RecordingDevice final : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &m_engine; }
    std::string take() { return std::exchange(m_engine.log, {}).join(u'\n').toStdString(); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 816;
        case PdmHeight: return 1056;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    mutable RecordingEngine m_engine;
};

struct TextCase {
    const char* name;
    const char* text;
    int flags;
    QRectF box;
};

class LikeDrawText : public ::testing::TestWithParam<TextCase> {};

TEST_P(LikeDrawText, sameItemsSamePlacesSameClip)
{
    const TextCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::LayoutDirectionAuto, Qt::RightToLeft}) {
        // Unscaled as onto a PDF of the panel's resolution; scaled as onto a printer.
        for (const qreal scale : {1.0, 12.5}) {
            SCOPED_TRACE(::testing::Message() << "direction " << direction << ", scale " << scale);
            RecordingDevice device;
            TextLayoutCache cache;
            QPainter painter(&device);
            painter.scale(scale, scale);
            painter.setLayoutDirection(direction);
            painter.setFont(layoutFont(QStringLiteral("Tahoma"), 15.75, true));
            painter.setPen(Qt::black);
            device.take();

            painter.drawText(c.box, c.flags, text);
            const std::string expected = device.take();
            ASSERT_NE(expected.find("text "), std::string::npos) << "nothing drawn to compare with";

            cache.draw(painter, c.box, c.flags, text);
            EXPECT_EQ(device.take(), expected);
            // Again, now from the kept layout.
            cache.draw(painter, c.box, c.flags, text);
            EXPECT_EQ(device.take(), expected);
        }
    }
}

constexpr int kRightMiddle = Qt::AlignRight | Qt::AlignVCenter;

INSTANTIATE_TEST_SUITE_P(
    Texts, LikeDrawText,
    ::testing::Values(TextCase{"operandRightAligned", "-88", kRightMiddle, QRectF(74, 93, 41, 25)},
                      TextCase{"signCentred", "x", Qt::AlignCenter, QRectF(44, 93, 41, 25)},
                      TextCase{"answerInItsBox", "-108", kRightMiddle, QRectF(346, 124, 70, 30)},
                      TextCase{"decimalAnswer", "0.333333333333333", kRightMiddle, QRectF(346, 124, 70, 30)},
                      TextCase{"widerThanItsBoxIsClipped", "-9999999", kRightMiddle, QRectF(0, 0, 30, 25)},
                      TextCase{"tallerThanItsBoxIsClipped", "5", Qt::AlignCenter, QRectF(3, 4, 20, 6)},
                      TextCase{"fractionalBox", "12.5", Qt::AlignRight | Qt::AlignBottom, QRectF(10.25, 3.5, 41.5, 25.75)},
                      TextCase{"topLeft", "7", Qt::AlignLeft | Qt::AlignTop, QRectF(5, 5, 41, 25)},
                      TextCase{"noAlignmentGiven", "3", 0, QRectF(5, 5, 41, 25)},
                      TextCase{"leadingBlank", " 5", kRightMiddle, QRectF(5, 5, 41, 25)},
                      TextCase{"trailingBlank", "5 ", kRightMiddle, QRectF(5, 5, 41, 25)},
                      TextCase{"rightToLeftLetters", "\u05d0\u05d1 1", kRightMiddle, QRectF(5, 5, 80, 25)},
                      TextCase{"mnemonicMark", "a&b", kRightMiddle, QRectF(5, 5, 80, 25)},
                      TextCase{"lineBreak", "1\n2", kRightMiddle, QRectF(5, 5, 80, 60)},
                      TextCase{"tab", "1\t2", kRightMiddle, QRectF(5, 5, 80, 25)},
                      TextCase{"wordWrap", "12 34 56", Qt::AlignLeft | Qt::TextWordWrap, QRectF(5, 5, 30, 80)},
                      TextCase{"dontClip", "-9999999", kRightMiddle | Qt::TextDontClip, QRectF(0, 0, 30, 25)},
                      TextCase{"emptyBox", "5", kRightMiddle, QRectF(5, 5, 0, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextLayoutCache, aTextIsLaidOutOnceWhereverItIsDrawn)
{
    RecordingDevice device;
    TextLayoutCache cache;
    QPainter painter(&device);
    painter.setFont(layoutFont(QStringLiteral("Tahoma"), 15.75, true));
    painter.setPen(Qt::black);
    for (int k = 0; k < 40; ++k)
        cache.draw(painter, QRectF(74 + k * 10, 93, 41, 25), kRightMiddle, QStringLiteral("-88"));
    cache.draw(painter, QRectF(74, 93, 41, 25), Qt::AlignCenter, QStringLiteral("+"));
    EXPECT_EQ(cache.size(), 2);

    QFont other = painter.font();
    other.setItalic(true);
    painter.setFont(other);
    cache.draw(painter, QRectF(74, 93, 41, 25), kRightMiddle, QStringLiteral("-88"));
    EXPECT_EQ(cache.size(), 3) << "the same text in another font is another layout";
}

// A class set of two hundred sheets must not keep every answer it ever drew.
TEST(TextLayoutCache, keepsAtMostAFewThousandTexts)
{
    RecordingDevice device;
    TextLayoutCache cache;
    QPainter painter(&device);
    painter.setFont(layoutFont(QStringLiteral("Tahoma"), 15.75, true));
    painter.setPen(Qt::black);
    int most = 0;
    for (int n = 0; n < 10000; ++n) {
        cache.draw(painter, QRectF(0, 0, 80, 30), kRightMiddle, QString::number(n));
        most = std::max(most, cache.size());
    }
    EXPECT_GT(most, 1000);
    EXPECT_LE(most, 4096);
}

} // namespace
} // namespace zorvix
