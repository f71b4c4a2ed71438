// What the start-up loads: the setup screen must come up without the libraries only the
// Progress window or printing needs, which slow every start of the program down.
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList loadedAtStartUp()
{
    QProcess probe;
    probe.start(QStringLiteral(ZORVIX_STARTUP_PROBE), {});
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        ADD_FAILURE() << "the start-up probe failed: " << probe.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromLocal8Bit(probe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool anyNamed(const QStringList& paths, const char* name)
{
    for (const QString& path : paths)
        if (path.section(QLatin1Char('/'), -1).startsWith(QLatin1String(name)))
            return true;
    return false;
}

TEST(StartUp, loadsTheLayoutControlButNotTheChartsOpenGLOrPrinting)
{
    const QStringList loaded = loadedAtStartUp();
    ASSERT_FALSE(loaded.isEmpty());
    // The listing is the real one: what the setup screen needs is in it.
    EXPECT_TRUE(anyNamed(loaded, "libQt6Widgets.so")) << loaded.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(anyNamed(loaded, "libkelvaneucp.so")) << loaded.join(QLatin1Char(' ')).toStdString();
    for (const char* unwanted : {"libQt6Charts.so", "libQt6OpenGL.so", "libQt6OpenGLWidgets.so", "zorvix_progress_window",
                                 "libQt6PrintSupport.so", "zorvix_printing"})
        EXPECT_FALSE(anyNamed(loaded, unwanted)) << unwanted << " is loaded at start-up";
}

} // namespace
