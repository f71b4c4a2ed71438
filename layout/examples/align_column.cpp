// Align a column: labels placed by hand with ragged left edges are lined up on the first one,
// given its width, and their right edges then meet too.
#include <kelvaneuc/hostcontrol.h>
#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget form;
    form.resize(400, 300);
    auto* layout = new kelvane::KelvaneUCWidget(&form);
    kelvane::MemoryPropertyBag noStoredProperties;
    layout->load(noStoredProperties);

    QLabel* labels[4];
    const int lefts[] = {40, 47, 35, 52};
    const int widths[] = {120, 90, 150, 100};
    for (int i = 0; i < 4; ++i) {
        labels[i] = new QLabel(QString("Line %1").arg(i + 1), &form);
        labels[i]->setGeometry(lefts[i], 20 + 40 * i, widths[i], 24);
    }
    form.show();

    // The first control of the list is the reference; it does not move.
    const kelvane::Array column = kelvane::hostControls({labels[0], labels[1], labels[2], labels[3]});
    auto& uc = layout->control();
    if (!uc.AlignLefts(column) || !uc.MakeEqualWidth(column)) {
        std::puts("alignment failed");
        return 1;
    }

    bool ok = true;
    for (int i = 0; i < 4; ++i) {
        const QRect g = labels[i]->geometry();
        std::printf("label %d: left %d, width %d, top %d\n", i + 1, g.left(), g.width(), g.top());
        ok = ok && g.left() == 40 && g.width() == 120 && g.top() == 20 + 40 * i; // tops untouched
    }
    return ok ? 0 : 1;
}
