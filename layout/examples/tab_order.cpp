// Tab order from positions: a form whose controls were created in no particular order gets a
// tab order that reads like a page, row by row from left to right.
#include <kelvaneuc/hostcontrol.h>
#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget form;
    form.setObjectName("Form1");
    form.resize(400, 200);

    // Created bottom row first, right before left: Qt's default tab order is creation order.
    struct Field {
        const char* name;
        int x, y;
    };
    for (const Field f : {Field{"Phone", 210, 100}, Field{"Email", 10, 102}, Field{"Surname", 210, 10}, Field{"Name", 10, 12}}) {
        auto* edit = new QLineEdit(&form);
        edit->setObjectName(f.name);
        edit->setGeometry(f.x, f.y, 180, 24);
    }

    auto* layout = new kelvane::KelvaneUCWidget(&form);
    kelvane::MemoryPropertyBag noStoredProperties;
    layout->load(noStoredProperties);
    form.show();

    // Controls whose tops differ by less than 100 twips (about 7 pixels) share a row.
    const auto result = layout->control().SetTabOrder(kelvane::hostControl(&form), /*LeftToRight*/ true,
                                                      /*LeftToRightTolerance*/ 100, /*TopToBottomTolerance*/ 100,
                                                      /*InsertBeforeTabIndex*/ 0);
    if (!result) {
        std::printf("SetTabOrder failed: %s\n", result.error().description.c_str());
        return 1;
    }

    // Tab walks the focus chain.
    QStringList order;
    for (QWidget* w = form.nextInFocusChain(); w != &form && order.size() < 10; w = w->nextInFocusChain())
        if (qobject_cast<QLineEdit*>(w))
            order << w->objectName();
    std::printf("tab order: %s\n", qPrintable(order.join(" -> ")));
    return order == QStringList{"Name", "Surname", "Email", "Phone"} ? 0 : 1;
}
