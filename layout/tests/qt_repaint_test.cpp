// Painting around a resize pass on real widgets (offscreen): nothing is painted half way, and
// afterwards every control is painted at its new place.
#include "control/instance.h"
#include "qt/qt_control.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace kelvane::qt {
namespace {

class PaintCounter : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;
    QRect paintedAt;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        paintedAt = geometry();
        QPainter(this).fillRect(rect(), Qt::darkCyan);
    }
};

// The engine scales by the ratio of the available area to the one it last scaled for; setting
// that one makes the next pass scale every control by r, on any screen.
void scaleNextPassBy(KelvaneUC& control, double r)
{
    Instance& inst = control.instance();
    inst.PrevAvailWidth = inst.WidthRatio * inst.DesignAvailWidth / r;
    inst.PrevAvailHeight = inst.HeightRatio * inst.DesignAvailHeight / r;
    inst.LastWorkWidth = 0;
}

struct Form {
    QWidget window;
    std::vector<PaintCounter*> controls;
    KelvaneUCWidget* layout = nullptr;

    explicit Form(int count)
    {
        window.setObjectName("Form1");
        window.setGeometry(30, 30, 500, 360);
        for (int i = 0; i < count; ++i) {
            auto* c = new PaintCounter(&window);
            c->setObjectName(QStringLiteral("Box%1").arg(i));
            c->setGeometry(10 + (i % 10) * 45, 10 + (i / 10) * 30, 40, 25);
            controls.push_back(c);
        }
        layout = new KelvaneUCWidget(&window);
        MemoryPropertyBag bag{{"designwidth", 1024.0}, {"designheight", 768.0}};
        layout->load(bag);
    }

    void resetPaints()
    {
        for (PaintCounter* c : controls)
            c->paints = 0;
    }

    void pass()
    {
        QResizeEvent event(window.size(), window.size());
        QCoreApplication::sendEvent(&window, &event);
    }
};

TEST(QtRepaint, afterAPassEveryControlIsPaintedOnceAtItsNewPlaceAndNeverHalfWay)
{
    Form form(60);
    const int countBefore = wrap(&form.window)->get("Controls").toObject()->get("Count").toInt32();
    form.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form.window));
    QApplication::processEvents();

    for (const double r : {0.8, 1.25, 0.9}) {
        SCOPED_TRACE(r);
        const QRect before = form.controls.back()->geometry();
        form.resetPaints();
        scaleNextPassBy(form.layout->control(), r);
        form.pass();
        ASSERT_NE(form.controls.back()->geometry(), before) << "the pass scaled nothing";
        for (PaintCounter* c : form.controls)
            ASSERT_EQ(c->paints, 0) << c->objectName().toStdString() << " painted during the pass";
        QTest::qWait(20);
        for (PaintCounter* c : form.controls) {
            EXPECT_EQ(c->paints, 1) << c->objectName().toStdString();
            EXPECT_EQ(c->paintedAt, c->geometry()) << c->objectName().toStdString();
        }
    }
    // What the binding uses to repaint is no control of the window's.
    EXPECT_EQ(wrap(&form.window)->get("Controls").toObject()->get("Count").toInt32(), countBefore);
}

TEST(QtRepaint, aPassOnAHiddenWindowPaintsNothingAndShowingPaintsAll)
{
    Form form(12);
    form.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form.window));
    form.window.hide();
    form.resetPaints();
    scaleNextPassBy(form.layout->control(), 0.8);
    form.pass();
    QTest::qWait(20);
    for (PaintCounter* c : form.controls)
        EXPECT_EQ(c->paints, 0);
    form.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form.window));
    QTest::qWait(20);
    for (PaintCounter* c : form.controls) {
        EXPECT_GE(c->paints, 1);
        EXPECT_EQ(c->paintedAt, c->geometry());
    }
}

} // namespace
} // namespace kelvane::qt
