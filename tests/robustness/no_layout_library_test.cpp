// The program without its layout library: every attempt to load kelvaneucp fails here, as on a
// machine where the library is missing. The program still starts and opens its windows,
// unscaled, and says so once on standard error.
#include "screens.h"
#include "watchdog.h"

#include "program.h"
#include "card/card_window.h"
#include "setup/setup_window.h"
#include "sheets/sheet_window.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

// This executable's own dlopen stands in front of the system's: it refuses the layout library
// and passes every other request on (Qt loads its platform plugin through it).
extern "C" void* dlopen(const char* file, int mode)
{
    using Real = void* (*)(const char*, int);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "dlopen"));
    if (file && std::strstr(file, "kelvaneucp"))
        return nullptr;
    return real ? real(file, mode) : nullptr;
}

namespace {

// Standard error into a file for the life of the object.
class CapturedStderr {
public:
    CapturedStderr()
        : m_path(QDir::temp().filePath(QStringLiteral("zorvix_no_library_%1.txt").arg(getpid())).toStdString())
    {
        std::fflush(stderr);
        m_saved = dup(2);
        const int fd = open(m_path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0600);
        dup2(fd, 2);
        close(fd);
    }
    ~CapturedStderr()
    {
        restore();
        std::remove(m_path.c_str());
    }
    std::string take()
    {
        restore();
        QFile f(QString::fromStdString(m_path));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        m_saved = -1;
    }
    std::string m_path;
    int m_saved = -1;
};

int occurrences(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(MissingLayoutLibrary, theProgramRunsUnscaledAndSaysSoOnce)
{
    robust::Watchdog watchdog("missing layout library", std::chrono::seconds(120));
    CapturedStderr captured;
    zorvix::Program& program = zorvix::startProgram();
    robust::settle();
    QWidget* setup = program.setupWindow();
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->isVisible());
    const QSize setupSize = setup->size();

    // Every window that would carry a layout control opens without one.
    program.showDrill(zorvix::TestMethod::Cards);
    robust::settle();
    program.showDrill(zorvix::TestMethod::Page);
    robust::settle();
    ASSERT_NE(program.cardWindow(), nullptr);
    ASSERT_NE(program.sheetWindow(), nullptr);
    EXPECT_TRUE(program.sheetWindow()->isVisible());

    // Unscaled: a change of screen leaves the window at its own size.
    program.showSetup();
    robust::moveToScreen(setup, robust::kLargeScreen, 50);
    EXPECT_EQ(setup->size(), setupSize);

    const std::string err = captured.take();
    EXPECT_EQ(occurrences(err, "layout control not available"), 1) << err;
    EXPECT_EQ(occurrences(err, "not scaled"), 1) << err;
    for (QWidget* w : {static_cast<QWidget*>(setup), static_cast<QWidget*>(program.cardWindow()),
                       static_cast<QWidget*>(program.sheetWindow())})
        EXPECT_EQ(w->findChild<QObject*>(QStringLiteral("KelvaneUC1")), nullptr) << w->objectName().toStdString();

    program.endProgram();
    zorvix::discardProgram();
}

} // namespace
