// One resize pass of the layout control over host windows of 100, 1 000 and 10 000 controls
// (labels, buttons, text boxes, every tenth in a frame), against a floor measured in the same
// run: a bare loop that puts the same geometry and font on the same widgets. Each iteration
// scales by 0.8 or back by 1.25, so both loops do real work every time.
#include "control/instance.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr double kShrink = 0.8;
constexpr double kGrow = 1.25;

struct HostWindow {
    std::unique_ptr<QWidget> window;
    kelvane::KelvaneUCWidget* control = nullptr;
    std::vector<QWidget*> widgets; // every control, frames too
    std::vector<QRectF> exact;     // the floor's own exact geometry
    std::vector<double> fontSize;
};

std::unique_ptr<HostWindow> build(int count)
{
    auto host = std::make_unique<HostWindow>();
    host->window = std::make_unique<QWidget>();
    QWidget* w = host->window.get();
    w->setObjectName("Form1");
    w->setGeometry(20, 20, 1000, 740);
    const int columns = static_cast<int>(std::ceil(std::sqrt(count)));
    const double cellW = 960.0 / columns, cellH = 700.0 / columns;
    QGroupBox* frame = nullptr;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns, column = i % columns;
        QWidget* parent = w;
        QRect rect(static_cast<int>(10 + column * cellW), static_cast<int>(10 + row * cellH),
                   std::max(2, static_cast<int>(cellW) - 2), std::max(2, static_cast<int>(cellH) - 2));
        if (i % 10 == 0) {
            frame = new QGroupBox(w);
            frame->setObjectName(QStringLiteral("Frame%1").arg(i));
            frame->setGeometry(rect);
            host->widgets.push_back(frame);
            continue;
        }
        if (i % 10 == 1 && frame) {
            parent = frame; // one control inside each frame
            rect = QRect(1, 1, std::max(1, frame->width() - 2), std::max(1, frame->height() - 2));
        }
        QWidget* c = nullptr;
        switch (i % 3) {
        case 0: c = new QLabel(QStringLiteral("L"), parent); break;
        case 1: c = new QPushButton(QStringLiteral("B"), parent); break;
        default: c = new QLineEdit(parent); break;
        }
        c->setObjectName(QStringLiteral("c%1").arg(i));
        c->setGeometry(rect);
        host->widgets.push_back(c);
    }
    for (QWidget* c : host->widgets) {
        host->exact.emplace_back(c->geometry());
        QFont f = c->font();
        f.setPointSizeF(8);
        c->setFont(f);
        host->fontSize.push_back(8);
    }
    host->control = new kelvane::KelvaneUCWidget(w);
    kelvane::MemoryPropertyBag bag{{"designwidth", 1024.0}, {"designheight", 768.0}};
    host->control->load(bag);
    w->show();
    QApplication::processEvents();
    return host;
}

// The engine scales by the ratio of the available area to the one it last scaled for; setting
// that one makes the next pass scale every control by r.
void prepare(kelvane::KelvaneUC& control, double r)
{
    kelvane::Instance& inst = control.instance();
    inst.PrevAvailWidth = inst.PrevAvailWidth > 0 ? inst.PrevAvailWidth : 1000;
    inst.PrevAvailHeight = inst.PrevAvailHeight > 0 ? inst.PrevAvailHeight : 700;
    const double availW = inst.WidthRatio * inst.DesignAvailWidth;
    const double availH = inst.HeightRatio * inst.DesignAvailHeight;
    inst.PrevAvailWidth = availW / r;
    inst.PrevAvailHeight = availH / r;
    inst.LastWorkWidth = 0; // never the unchanged-screen skip
}

void pass(benchmark::State& state)
{
    auto host = build(static_cast<int>(state.range(0)));
    QWidget* window = host->window.get();
    bool shrink = true;
    for (auto _ : state) {
        prepare(host->control->control(), shrink ? kShrink : kGrow);
        QResizeEvent event(window->size(), window->size());
        QCoreApplication::sendEvent(window, &event); // the host's Resize, as the platform sends it
        QCoreApplication::processEvents();           // and the one repaint after it, as the floor
        shrink = !shrink;
    }
    state.counters["controls"] = static_cast<double>(host->widgets.size());
}

void floorLoop(benchmark::State& state)
{
    auto host = build(static_cast<int>(state.range(0)));
    QWidget* window = host->window.get();
    bool shrink = true;
    for (auto _ : state) {
        const double r = shrink ? kShrink : kGrow;
        window->setUpdatesEnabled(false);
        for (std::size_t i = 0; i < host->widgets.size(); ++i) {
            QWidget* c = host->widgets[i];
            QRectF& e = host->exact[i];
            e = QRectF(e.x() * r, e.y() * r, e.width() * r, e.height() * r);
            const int left = static_cast<int>(std::lround(e.x())), top = static_cast<int>(std::lround(e.y()));
            c->setGeometry(left, top, static_cast<int>(std::lround(e.right())) - left,
                           static_cast<int>(std::lround(e.bottom())) - top);
            host->fontSize[i] *= r;
            QFont f = c->font();
            f.setPointSizeF(host->fontSize[i]);
            c->setFont(f);
        }
        window->setUpdatesEnabled(true);
        QCoreApplication::processEvents(); // one repaint, as after a pass
        shrink = !shrink;
    }
    state.counters["controls"] = static_cast<double>(host->widgets.size());
}

BENCHMARK(floorLoop)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(pass)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace
