// Shows the card window mid-test for a look under a real X server:
//   zorvix_card_preview [right|wrong|dialog|retry] [seconds]
#include "card/card_window.h"
#include "fake_shell.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("right");
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 4;

    zorvix::testing::FakeShell shell({0.35, 0.75, 0.6, 0.2, 0.9, 0.45, 0.1, 0.8});
    shell.settings().testType = mode == QLatin1String("retry") ? 4 : 0;
    shell.settings().minOperand = mode == QLatin1String("retry") ? -9 : 0;
    shell.settings().problemCount = mode == QLatin1String("dialog") ? 1 : 5;
    zorvix::CardWindow window(shell);
    window.move(20, 20);
    window.show();

    auto press = [&](const char* name) {
        if (auto* b = window.findChild<QPushButton*>(QString::fromLatin1(name)))
            b->click();
    };
    press("new_prob");
    press("skip");
    if (mode == QLatin1String("wrong")) {
        press("keypad(4)");
        press("check");
    } else if (mode == QLatin1String("retry")) {
        press("keypad(10)");
        press("keypad(4)");
    } else {
        const auto& s = window.logic().screen();
        const int sum = std::stoi(s.digit0) + std::stoi(s.digit1);
        for (const QChar c : QString::number(sum))
            press(QStringLiteral("keypad(%1)").arg(c).toLatin1().constData());
        press("check");
    }
    // Let the clock run a little so the bar shows.
    window.findChild<QTimer*>(QStringLiteral("Test_LengthT"))->setInterval(20);
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
