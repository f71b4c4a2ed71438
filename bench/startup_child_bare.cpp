// A bare Qt program with a window equivalent to the setup screen: the same size, a menu bar with
// the same menus, a vector banner, the same kinds and numbers of controls (option groups, editable
// number lists, a text box, buttons, labels in frames). No layout control, no drill logic: the
// floor a start-up of the drill program is measured against.
#include "startup_report.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {

constexpr char kBanner[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="60">
<rect width="400" height="60" fill="#ffd"/><text x="10" y="40" font-size="32">ZORVIX</text></svg>)";

// A vector picture, drawn as the drill program draws its pictures.
class Banner final : public QWidget {
public:
    explicit Banner(QWidget* parent) : QWidget(parent), m_renderer(QByteArray(kBanner)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_renderer.render(&p, rect());
    }

private:
    QSvgRenderer m_renderer;
};

QGroupBox* options(QWidget* parent, const char* title, int count, int x, int y)
{
    auto* box = new QGroupBox(QString::fromLatin1(title), parent);
    box->setGeometry(x, y, 200, 30 + 24 * count);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < count; ++i) {
        auto* b = new QRadioButton(QStringLiteral("Option %1").arg(i), box);
        b->setGeometry(10, 20 + 24 * i, 180, 22);
        group->addButton(b, i);
    }
    group->button(0)->setChecked(true);
    return box;
}

QComboBox* numbers(QWidget* parent, int x, int y, int from, int to)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    for (int n = from; n <= to; ++n)
        combo->addItem(QString::number(n));
    combo->setGeometry(x, y, 80, 24);
    return combo;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("ZORVIX V2.5"));
    auto* bar = new QMenuBar(&window);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    for (const char* item : {"Ma&ximize", "&Minimize", "&NormalWindow", "&Close"})
        file->addAction(QString::fromLatin1(item));
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    for (const char* item : {"Setup page", "Flash cards", "Flash page", "Print page", "About"})
        help->addAction(QString::fromLatin1(item));
    auto* client = new QWidget(&window);
    auto* banner = new Banner(client);
    banner->setGeometry(10, 10, 400, 60);
    options(client, "Test type", 6, 10, 80);
    options(client, "Timed", 2, 220, 80);
    options(client, "Method", 3, 430, 80);
    options(client, "Emphasis", 2, 640, 80);
    numbers(client, 10, 320, -99, 99);
    numbers(client, 100, 320, -99, 99);
    numbers(client, 190, 320, 1, 100);
    numbers(client, 280, 320, -99, 99);
    auto* minutes = new QLineEdit(QStringLiteral("10"), client);
    minutes->setGeometry(370, 320, 60, 24);
    int x = 10;
    for (const char* caption : {"START!", "END", "Help"}) {
        auto* b = new QPushButton(QString::fromLatin1(caption), client);
        b->setGeometry(x, 380, 120, 40);
        x += 130;
    }
    for (int i = 0; i < 10; ++i) {
        auto* l = new QLabel(QStringLiteral("Label %1").arg(i), client);
        l->setGeometry(10 + 90 * i % 800, 440 + 20 * (i / 9), 85, 18);
    }
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
    layout->addWidget(client, 1);
    window.resize(971, 694); // the setup screen's opening size
    window.show();
    return startup::reportWhenShown(&window);
}
