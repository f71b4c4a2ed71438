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

// The name as outlines, as the drill program's banner has it.
constexpr char kBanner[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="60">
<rect width="400" height="60" fill="#ffd"/><path d="M11.8 16.7L30.1 16.7L30.1 19.1L15.4 37.3L30.5 37.3L30.5 40.0L11.4 40.0L11.4 37.6L26.2 19.3
L11.8 19.3L11.8 16.7M44.5 18.8C42.2 18.8 40.4 19.7 39.1 21.4C37.7 23.1 37.0 25.4 37.0 28.4
C37.0 31.3 37.7 33.6 39.1 35.3C40.4 37.0 42.2 37.9 44.5 37.9C46.8 37.9 48.6 37.0 50.0 35.3
C51.3 33.6 52.0 31.3 52.0 28.4C52.0 25.4 51.3 23.1 50.0 21.4C48.6 19.7 46.8 18.8 44.5 18.8
M44.5 16.2C47.8 16.2 50.4 17.3 52.4 19.5C54.3 21.7 55.3 24.7 55.3 28.4
C55.3 32.0 54.3 35.0 52.4 37.2C50.4 39.4 47.8 40.5 44.5 40.5C41.2 40.5 38.6 39.4 36.7 37.2
C34.7 35.0 33.7 32.0 33.7 28.4C33.7 24.7 34.7 21.7 36.7 19.5C38.6 17.3 41.2 16.2 44.5 16.2
M71.3 29.1C72.0 29.3 72.6 29.8 73.3 30.5C73.9 31.3 74.6 32.3 75.2 33.6L78.4 40.0L75.0 40.0
L72.0 34.0C71.3 32.5 70.5 31.4 69.8 30.9C69.1 30.4 68.1 30.1 66.8 30.1L63.4 30.1L63.4 40.0
L60.2 40.0L60.2 16.7L67.4 16.7C70.0 16.7 72.0 17.2 73.3 18.3C74.7 19.5 75.3 21.1 75.3 23.4
C75.3 24.9 75.0 26.1 74.3 27.0C73.6 28.0 72.6 28.7 71.3 29.1M63.4 19.3L63.4 27.5L67.4 27.5
C68.9 27.5 70.0 27.2 70.8 26.5C71.6 25.8 72.0 24.8 72.0 23.4C72.0 22.0 71.6 21.0 70.8 20.3
C70.0 19.6 68.9 19.3 67.4 19.3L63.4 19.3M86.8 40.0L77.8 16.7L81.1 16.7L88.5 36.3L95.9 16.7
L99.2 16.7L90.3 40.0L86.8 40.0M102.6 16.7L105.8 16.7L105.8 40.0L102.6 40.0L102.6 16.7M110.9 16.7
L114.3 16.7L120.1 25.3L126.0 16.7L129.3 16.7L121.8 27.9L129.8 40.0L126.5 40.0L119.9 30.1
L113.3 40.0L109.9 40.0L118.2 27.5L110.9 16.7"/></svg>)";

// A vector picture, drawn as the drill program draws its pictures.
class Banner final : public QWidget {
public:
    explicit Banner(QWidget* parent)
        : QWidget(parent)
        , m_renderer(QByteArray(kBanner))
    {
    }

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
