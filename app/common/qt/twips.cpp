#include "twips.h"

#include <QFontDatabase>
#include <QHash>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <dlfcn.h>
#include <thread>

namespace zorvix {

double twipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }

QRect twipsRect(double left, double top, double width, double height)
{
    const int l = twipsToPixels(left);
    const int t = twipsToPixels(top);
    const int r = twipsToPixels(left + width);
    const int b = twipsToPixels(top + height);
    return QRect(l, t, std::max(r - l, 0), std::max(b - t, 0));
}

void placeTwips(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

namespace {

QString chooseFamily(const QString& family)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(family, Qt::CaseInsensitive))
        return family;
    for (const char* standIn : {"DejaVu Sans", "Liberation Sans"})
        if (installed.contains(QLatin1String(standIn), Qt::CaseInsensitive))
            return QLatin1String(standIn);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// Joined at the latest as the program ends: a thread left joinable there would end the program.
struct FontReader {
    std::thread thread;
    ~FontReader()
    {
        if (thread.joinable())
            thread.join();
    }
};

std::thread& fontReader()
{
    static FontReader reader;
    return reader.thread;
}

} // namespace

void startReadingFonts()
{
    if (fontReader().joinable() || QCoreApplication::instance())
        return;
    // Qt reads the fonts through fontconfig, already loaded with Qt; most of the time goes to
    // fontconfig's own configuration, which needs no application object. Another font back end
    // offers no FcInit, and then there is nothing to start early.
    using FcInitFn = int (*)();
    if (const auto fcInit = reinterpret_cast<FcInitFn>(dlsym(RTLD_DEFAULT, "FcInit")))
        fontReader() = std::thread(fcInit);
}

void readFontsAhead()
{
    static bool started = false;
    if (started || !QGuiApplication::instance())
        return;
    started = true;
    fontReader() = std::thread([configuration = std::move(fontReader())]() mutable {
        if (configuration.joinable())
            configuration.join();
        QFontDatabase::families();
    });
}

void waitForFontsRead()
{
    if (fontReader().joinable())
        fontReader().join();
}

QString layoutFamily(const QString& family)
{
    // Asked for every control of every window; the installed families do not change while
    // the program runs.
    static QHash<QString, QString> chosen;
    if (const auto found = chosen.constFind(family); found != chosen.constEnd())
        return *found;
    const QString face = chooseFamily(family);
    chosen.insert(family, face);
    return face;
}

QFont layoutFont(const QString& family, double points, bool bold)
{
    QFont font(layoutFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    // Complete: nothing of it comes from the container, so a container's font change never
    // has to be kept away from the control (the layout control would pin it at its first pass,
    // a font change of its own).
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QString arrayName(const QString& name, int index) { return QStringLiteral("%1(%2)").arg(name).arg(index); }

} // namespace zorvix
