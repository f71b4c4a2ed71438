// A picture drawn ahead on a worker thread shows what one drawn in its paint event shows, at the
// size it ends up with, from the resource it ends up with.
#include "common/qt/svg_picture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

using namespace zorvix;

namespace {

// Curves and a stroke, so the edges are antialiased.
constexpr char kDisc[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="40">
<ellipse cx="50" cy="20" rx="45" ry="16" fill="#2a6fd6" stroke="#7a5a00" stroke-width="3"/></svg>)";
constexpr char kBar[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="40">
<rect x="10" y="5" width="80" height="30" rx="8" fill="#c00000"/></svg>)";

// The greatest difference in any channel of any pixel; sizes that differ count as the most.
int greatestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int most = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

struct AheadCase {
    const char* name;
    bool drawnAhead;
    bool resizedAsShown;  // the layout moves it from its built size before the first paint
    bool resourceChanged; // a new resource arrives while the first frame is being drawn
    bool resizedAfterPaint;
};

void PrintTo(const AheadCase& c, std::ostream* out) { *out << c.name; }

class SvgPictureAhead : public ::testing::TestWithParam<AheadCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        disc = write("disc.svg", kDisc);
        bar = write("bar.svg", kBar);
    }

    QString write(const char* name, const char* text)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    // The resource drawn straight onto the window's white ground at the picture's size.
    static QImage expected(const QString& resource, QSize size)
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        QSvgRenderer(resource).render(&painter, QRectF(QPointF(), QSizeF(size)));
        return image;
    }

    QTemporaryDir dir;
    QString disc;
    QString bar;
};

TEST_P(SvgPictureAhead, showsTheFinalResourceAtTheFinalSize)
{
    const AheadCase& c = GetParam();
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    window.resize(400, 200);
    auto* picture = new SvgPicture(disc, &window);
    picture->setDrawnAhead(c.drawnAhead);
    picture->setGeometry(0, 0, 100, 40);
    window.show();
    if (c.resizedAsShown)
        picture->resize(230, 70);
    if (c.resourceChanged)
        picture->setResource(bar);
    const QString resource = c.resourceChanged ? bar : disc;
    EXPECT_LE(greatestDifference(picture->grab().toImage(), expected(resource, picture->size())), 2);
    if (c.resizedAfterPaint) {
        picture->resize(150, 90);
        EXPECT_LE(greatestDifference(picture->grab().toImage(), expected(resource, picture->size())), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SvgPictureAhead,
                         ::testing::Values(AheadCase{"inItsPaintEvent", false, true, false, true},
                                           AheadCase{"aheadAtItsBuiltSize", true, false, false, false},
                                           AheadCase{"aheadAfterTheLayoutMovedIt", true, true, false, false},
                                           AheadCase{"aheadWithANewResourceMeanwhile", true, true, true, false},
                                           AheadCase{"aheadThenResizedByTheUser", true, true, false, true}),
                         [](const ::testing::TestParamInfo<AheadCase>& info) { return std::string(info.param.name); });

} // namespace
