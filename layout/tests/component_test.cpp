// The library as a host that does not link it sees it: loaded with dlopen, reached through the
// component entry points only.
#include <kelvaneuc/component.h>

#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

struct EntryPoints {
    DllGetClassObjectFn getClassObject = nullptr;
    DllCanUnloadNowFn canUnloadNow = nullptr;
    DllRegisterServerFn registerServer = nullptr;
    DllUnregisterServerFn unregisterServer = nullptr;
};

// Loaded once for the whole run and never closed, as a host does with a Qt widget library.
const EntryPoints& library()
{
    static const EntryPoints entries = [] {
        EntryPoints e;
        void* handle = dlopen(KELVANE_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            ADD_FAILURE() << dlerror();
            return e;
        }
        e.getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
        e.canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
        e.registerServer = reinterpret_cast<DllRegisterServerFn>(dlsym(handle, "DllRegisterServer"));
        e.unregisterServer = reinterpret_cast<DllUnregisterServerFn>(dlsym(handle, "DllUnregisterServer"));
        return e;
    }();
    return entries;
}

class Component : public ::testing::Test {
protected:
    void SetUp() override
    {
        lib = library();
        ASSERT_TRUE(lib.getClassObject && lib.canUnloadNow && lib.registerServer && lib.unregisterServer);
        ASSERT_EQ(lib.canUnloadNow(), hr::Ok) << "an earlier test left an object behind";
    }

    ClassFactory* factory()
    {
        void* object = nullptr;
        EXPECT_EQ(lib.getClassObject(kClassIdC, kClassFactoryIdC, &object), hr::Ok);
        return static_cast<ClassFactory*>(object);
    }

    // Value's own comparison lives in the library, which this test does not link.
    static bool isBool(const Value& v, bool expected)
    {
        const auto* b = std::get_if<bool>(&v.data);
        return b && *b == expected;
    }

    EntryPoints lib;
    static constexpr StoredProperty kStored[] = {{"designwidth", 1024},    {"designheight", 768},     {"designcaptionheight", 25},
                                                 {"designmenuheight", 19}, {"designscrollwidth", 17}, {"KeepAspectRatio", 0}};
};

TEST_F(Component, onlyTheFactoryOfThisClassIsHandedOut)
{
    struct Row {
        const char* classId;
        const char* interfaceId;
        int32_t expected;
    };
    const Row rows[] = {
        {"{61b61e2d-2791-47e6-9eea-f1288039e8dd}", kClassFactoryIdC, hr::Ok}, // letter case is free
        {"{29339F7E-A828-48F9-9D8D-316322BEA4C8}", kClassFactoryIdC, hr::ClassNotAvailable},
        {"61B61E2D-2791-47E6-9EEA-F1288039E8DD", kClassFactoryIdC, hr::ClassNotAvailable},
        {"", kClassFactoryIdC, hr::ClassNotAvailable},
        {nullptr, kClassFactoryIdC, hr::ClassNotAvailable},
        {kClassIdC, kClassFactoryIdV1C, hr::Ok}, // a host built for version 1 still gets one
        {kClassIdC, "{00000001-0000-0000-C000-000000000046}", hr::NoInterface},
        {kClassIdC, nullptr, hr::NoInterface},
    };
    for (const Row& r : rows) {
        void* object = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(lib.getClassObject(r.classId, r.interfaceId, &object), r.expected) << (r.classId ? r.classId : "null");
        if (r.expected == hr::Ok) {
            ASSERT_NE(object, nullptr);
            static_cast<ClassFactory*>(object)->Release();
        } else {
            EXPECT_EQ(object, nullptr);
        }
    }
    EXPECT_EQ(lib.getClassObject(kClassIdC, kClassFactoryIdC, nullptr), hr::Pointer);
    EXPECT_EQ(lib.canUnloadNow(), hr::Ok);
}

TEST_F(Component, createCallReleaseThenTheLibraryMayUnload)
{
    QWidget window;
    window.resize(400, 300);
    ClassFactory* f = factory();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(lib.canUnloadNow(), hr::False); // the factory reference counts
    ComponentInstance* control = nullptr;
    ASSERT_EQ(f->CreateInstance(&window, kStored, std::size(kStored), &control), hr::Ok);
    ASSERT_NE(control, nullptr);
    f->Release();
    EXPECT_EQ(lib.canUnloadNow(), hr::False); // the instance counts

    ASSERT_NE(control->widget(), nullptr);
    EXPECT_EQ(control->widget()->parentWidget(), &window);
    EXPECT_NE(control->control(), nullptr);

    Array none;
    Value result;
    Error error;
    ASSERT_EQ(control->Invoke("keepaspectratio", none, result, error), hr::Ok) << error.description;
    EXPECT_TRUE(isBool(result, false)); // loaded from the stored properties
    ASSERT_EQ(control->Invoke("ResizeOnChange", none, result, error), hr::Ok);
    EXPECT_TRUE(isBool(result, true)); // absent, so its default
    ASSERT_EQ(control->Invoke("GetErrors", none, result, error), hr::Ok);
    EXPECT_TRUE(result.isString());
    EXPECT_EQ(control->Invoke("NoSuchMember", none, result, error), hr::Fail);
    EXPECT_EQ(error.number, err::MissingMember);
    EXPECT_EQ(control->Invoke(nullptr, none, result, error), hr::Fail);

    control->AddRef();
    EXPECT_EQ(control->Release(), 1u);
    EXPECT_EQ(lib.canUnloadNow(), hr::False);
    EXPECT_EQ(control->Release(), 0u);
    EXPECT_EQ(lib.canUnloadNow(), hr::Ok);
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty()); // the control left the window
}

// A host's sink, built here from component.h alone: it records what it is told.
class RecordingSink final : public EventSink {
public:
    void BeginResize() override { log += "Begin;"; }
    void BeforeResize(QObject* control, double widthRatio, double, bool& cancel) override
    {
        log += "Before " + (control ? control->objectName().toStdString() : std::string("?")) + ";";
        ratio = widthRatio;
        if (control && control->objectName() == "Skipped")
            cancel = true;
    }
    void AfterResize(QObject* control, double, double) override
    {
        log += "After " + (control ? control->objectName().toStdString() : std::string("?")) + ";";
    }
    void FinishedResize() override { log += "Finished;"; }
    std::string log;
    double ratio = 0;
};

TEST_F(Component, aHostSinkHearsTheEventsOfAPassAndMayCancelAControl)
{
    QWidget window;
    window.setObjectName("Form1");
    window.resize(400, 300);
    auto* kept = new QWidget(&window);
    kept->setObjectName("Kept");
    kept->setGeometry(100, 100, 80, 40);
    auto* skipped = new QWidget(&window);
    skipped->setObjectName("Skipped");
    skipped->setGeometry(200, 100, 80, 40);
    ClassFactory* f = factory();
    ComponentInstance* control = nullptr;
    // Designed for a screen twice the size of this one: the first showing halves everything.
    const QSize screen = window.screen()->size();
    const StoredProperty stored[] = {{"designwidth", 2.0 * screen.width()}, {"designheight", 2.0 * screen.height()}};
    ASSERT_EQ(f->CreateInstance(&window, stored, std::size(stored), &control), hr::Ok);
    f->Release();
    RecordingSink sink;
    ASSERT_EQ(control->SetEventSink(&sink), hr::Ok);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(sink.log, "Begin;Before Kept;After Kept;Before Skipped;Finished;");
    EXPECT_LT(sink.ratio, 0.6);
    EXPECT_LT(kept->width(), 80);
    EXPECT_EQ(skipped->geometry(), QRect(200, 100, 80, 40)) << "a cancelled control is left alone";

    control->Release();
}

TEST_F(Component, anUnsubscribedSinkHearsNothing)
{
    QWidget window;
    window.setObjectName("Form1");
    window.resize(400, 300);
    auto* child = new QWidget(&window);
    child->setObjectName("Kept");
    child->setGeometry(100, 100, 80, 40);
    ClassFactory* f = factory();
    ComponentInstance* control = nullptr;
    const QSize screen = window.screen()->size();
    const StoredProperty stored[] = {{"designwidth", 2.0 * screen.width()}, {"designheight", 2.0 * screen.height()}};
    ASSERT_EQ(f->CreateInstance(&window, stored, std::size(stored), &control), hr::Ok);
    f->Release();
    RecordingSink sink;
    ASSERT_EQ(control->SetEventSink(&sink), hr::Ok);
    ASSERT_EQ(control->SetEventSink(nullptr), hr::Ok);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_LT(child->width(), 80) << "no pass ran";
    EXPECT_EQ(sink.log, "");
    control->Release();
}

TEST_F(Component, aSinkCannotBeSetOnceTheWindowIsGone)
{
    auto window = std::make_unique<QWidget>();
    ClassFactory* f = factory();
    ComponentInstance* control = nullptr;
    ASSERT_EQ(f->CreateInstance(window.get(), kStored, std::size(kStored), &control), hr::Ok);
    f->Release();
    window.reset();
    RecordingSink sink;
    EXPECT_EQ(control->SetEventSink(&sink), hr::Fail);
    EXPECT_EQ(control->Release(), 0u);
}

TEST_F(Component, aWindowDestroyedFirstLeavesAnInstanceThatFailsCleanly)
{
    auto window = std::make_unique<QWidget>();
    ClassFactory* f = factory();
    ComponentInstance* control = nullptr;
    ASSERT_EQ(f->CreateInstance(window.get(), kStored, std::size(kStored), &control), hr::Ok);
    f->Release();
    window.reset();
    EXPECT_EQ(control->widget(), nullptr);
    EXPECT_EQ(control->control(), nullptr);
    Array none;
    Value result;
    Error error;
    EXPECT_EQ(control->Invoke("GetErrors", none, result, error), hr::Fail);
    EXPECT_EQ(error.number, err::ObjectRequired);
    EXPECT_EQ(lib.canUnloadNow(), hr::False);
    EXPECT_EQ(control->Release(), 0u);
    EXPECT_EQ(lib.canUnloadNow(), hr::Ok);
}

TEST_F(Component, withoutStoredPropertiesTheControlStaysInactive)
{
    QWidget window;
    ClassFactory* f = factory();
    ComponentInstance* control = nullptr;
    ASSERT_EQ(f->CreateInstance(&window, nullptr, 0, &control), hr::Ok);
    f->Release();
    Array none;
    Value result;
    Error error;
    // At run time InitProperties sets nothing: every setting is false.
    for (const char* name : {"ResizeOnChange", "ResizeAtStartUp", "KeepAspectRatio"}) {
        ASSERT_EQ(control->Invoke(name, none, result, error), hr::Ok);
        EXPECT_TRUE(isBool(result, false)) << name;
    }
    control->Release();
}

TEST_F(Component, badCreationArgumentsAreRefused)
{
    QWidget window;
    ClassFactory* f = factory();
    ComponentInstance* control = reinterpret_cast<ComponentInstance*>(0x1);
    EXPECT_EQ(f->CreateInstance(nullptr, kStored, std::size(kStored), &control), hr::Pointer);
    EXPECT_EQ(control, nullptr);
    EXPECT_EQ(f->CreateInstance(&window, nullptr, 3, &control), hr::InvalidArg);
    const StoredProperty nullKey[] = {{nullptr, 1}};
    EXPECT_EQ(f->CreateInstance(&window, nullKey, 1, &control), hr::InvalidArg);
    EXPECT_EQ(f->CreateInstance(&window, kStored, std::size(kStored), nullptr), hr::Pointer);
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
    f->Release();
    EXPECT_EQ(lib.canUnloadNow(), hr::Ok);
}

TEST_F(Component, aServerLockKeepsTheLibraryLoaded)
{
    ClassFactory* f = factory();
    EXPECT_EQ(f->LockServer(true), hr::Ok);
    f->Release();
    EXPECT_EQ(lib.canUnloadNow(), hr::False);
    f = factory();
    EXPECT_EQ(f->LockServer(false), hr::Ok);
    EXPECT_EQ(f->LockServer(false), hr::Ok); // an unbalanced unlock does not go below zero
    f->Release();
    EXPECT_EQ(f->Release(), 0u); // nor does an extra release
    EXPECT_EQ(lib.canUnloadNow(), hr::Ok);
}

// Registration writes only under XDG_DATA_HOME, which each test points at its own folder.
class Registration : public Component {
protected:
    void SetUp() override
    {
        Component::SetUp();
        const char* oldXdg = std::getenv("XDG_DATA_HOME");
        m_oldXdg = oldXdg ? std::optional<std::string>(oldXdg) : std::nullopt;
        m_root = fs::temp_directory_path() / ("kelvane_registry_" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        ::setenv("XDG_DATA_HOME", m_root.c_str(), 1);
        file = m_root / "kelvaneucp" / "components.ini";
    }
    void TearDown() override
    {
        if (m_oldXdg)
            ::setenv("XDG_DATA_HOME", m_oldXdg->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    static std::string contents(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path file;

private:
    fs::path m_root;
    std::optional<std::string> m_oldXdg;
};

TEST_F(Registration, registerRecordsTheClassAndUnregisterRemovesOnlyIt)
{
    const std::string others = "; components of this user\n"
                               "[{11111111-2222-3333-4444-555555555555}]\n"
                               "ProgID=Other.Thing\n"
                               "Library=/opt/other/libother.so.2\n"
                               "\n"
                               "[{AAAAAAAA-2222-3333-4444-555555555555}]\r\n"
                               "ProgID=Third.Thing\r\n";
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << others;

    ASSERT_EQ(lib.registerServer(), hr::Ok);
    const std::string registered = contents(file);
    EXPECT_EQ(registered.rfind(others, 0), 0u) << registered; // the others come first, untouched
    for (const char* expected : {"[{61B61E2D-2791-47E6-9EEA-F1288039E8DD}]\n", "ProgID=KelvaneUCP.KelvaneUC\n", "Version=1.1\n",
                                 "TypeLib={6FFCF326-2822-4E08-8D7F-1DE5B1055EA3}\n"})
        EXPECT_NE(registered.find(expected), std::string::npos) << expected << " in\n" << registered;
    const auto library = registered.find("Library=/", registered.find("[{61B61E2D"));
    ASSERT_NE(library, std::string::npos);
    const std::string path = registered.substr(library + 8, registered.find('\n', library) - library - 8);
    EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_NE(path.find("libkelvaneucp.so"), std::string::npos) << path;

    // Registering again replaces the record instead of adding a second one.
    ASSERT_EQ(lib.registerServer(), hr::Ok);
    EXPECT_EQ(contents(file), registered);

    ASSERT_EQ(lib.unregisterServer(), hr::Ok);
    EXPECT_EQ(contents(file), others);
    ASSERT_EQ(lib.unregisterServer(), hr::Ok); // nothing left to remove is not a failure
    EXPECT_EQ(contents(file), others);
}

TEST_F(Registration, aFreshRegistryIsCreatedAndEmptiedAgain)
{
    ASSERT_FALSE(fs::exists(file));
    EXPECT_EQ(lib.unregisterServer(), hr::Ok);
    EXPECT_FALSE(fs::exists(file));
    ASSERT_EQ(lib.registerServer(), hr::Ok);
    ASSERT_TRUE(fs::exists(file));
    ASSERT_EQ(lib.unregisterServer(), hr::Ok);
    EXPECT_EQ(contents(file), "");
}

TEST_F(Registration, anUnwritableRegistryIsReportedNotIgnored)
{
    // A directory where the file should be: neither reading nor replacing it can work.
    fs::create_directories(file);
    EXPECT_EQ(lib.registerServer(), hr::SelfRegClass);
    EXPECT_TRUE(fs::is_directory(file));
}

} // namespace
} // namespace kelvane
