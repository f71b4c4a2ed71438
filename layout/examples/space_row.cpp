// Space a row: buttons dropped roughly in a row get one fixed gap between neighbours, in their
// left-to-right order whatever order they are passed in, and are then centred on the form.
#include <kelvaneuc/hostcontrol.h>
#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget form;
    form.resize(600, 100);
    auto* layout = new kelvane::KelvaneUCWidget(&form);
    kelvane::MemoryPropertyBag noStoredProperties;
    layout->load(noStoredProperties);

    auto* ok = new QPushButton("OK", &form);
    auto* cancel = new QPushButton("Cancel", &form);
    auto* help = new QPushButton("Help", &form);
    ok->setGeometry(30, 40, 80, 28);
    cancel->setGeometry(200, 40, 80, 28);
    help->setGeometry(118, 40, 100, 28); // overlaps Cancel
    form.show();

    // Positions and gaps are in the form's scale, twips by default (15 to a pixel at 96 dpi).
    const double twipsPerPixel = 1440.0 / form.logicalDpiX();
    const kelvane::Array row = kelvane::hostControls({cancel, help, ok});
    auto& uc = layout->control();
    if (!uc.SpaceFixedLeftToRight(12 * twipsPerPixel, row)) {
        std::puts("spacing failed");
        return 1;
    }
    const int gap1 = help->x() - ok->geometry().right() - 1;
    const int gap2 = cancel->x() - help->geometry().right() - 1;
    std::printf("spaced: OK at %d, Help at %d, Cancel at %d; gaps %d and %d\n", ok->x(), help->x(), cancel->x(), gap1, gap2);

    // Centre the row as a block between the form's left edge and its inner right edge (0).
    if (!uc.HCenter(0, 0, row)) {
        std::puts("centring failed");
        return 1;
    }
    const int leftMargin = ok->x();
    const int rightMargin = form.width() - 1 - cancel->geometry().right();
    std::printf("centred: margins %d and %d\n", leftMargin, rightMargin);

    const bool spaced = ok->x() < help->x() && help->x() < cancel->x() && gap1 == 12 && gap2 == 12;
    const bool centred = std::abs(leftMargin - rightMargin) <= 1;
    return spaced && centred ? 0 : 1;
}
