// The component entry points: class factory, unload query and self-registration.
#include <kelvaneuc/component.h>
#include <kelvaneuc/hostcontrol.h>
#include <kelvaneuc/kelvaneuc.h>
#include <kelvaneuc/kelvaneucwidget.h>

#include "control/registry.h"

#include <QApplication>
#include <QPointer>
#include <QThread>

#include <dlfcn.h>

#include <atomic>
#include <cctype>
#include <filesystem>
#include <memory>
#include <new>
#include <string_view>

namespace kelvane {

namespace {

// Instances, outstanding factory references and server locks: while any remains the library
// must stay loaded.
std::atomic<int64_t> g_liveObjects{0};
std::atomic<int64_t> g_locks{0};

bool sameId(const char* given, std::string_view id)
{
    if (!given)
        return false;
    const std::string_view g(given);
    if (g.size() != id.size())
        return false;
    for (std::size_t i = 0; i < g.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(g[i])) != std::toupper(static_cast<unsigned char>(id[i])))
            return false;
    return true;
}

// The library's events handed on to a host's sink, with the Qt object of each control.
class SinkEvents final : public Events {
public:
    explicit SinkEvents(EventSink* sink)
        : m_sink(sink)
    {
    }
    void BeforeResize(const Ref& control, double widthRatio, double heightRatio, bool& cancel) override
    {
        m_sink->BeforeResize(hostObject(control), widthRatio, heightRatio, cancel);
    }
    void AfterResize(const Ref& control, double widthRatio, double heightRatio) override
    {
        m_sink->AfterResize(hostObject(control), widthRatio, heightRatio);
    }
    void FinishedResize() override { m_sink->FinishedResize(); }
    void BeginResize() override { m_sink->BeginResize(); }

private:
    EventSink* m_sink;
};

class PlacedControl final : public ComponentInstance {
public:
    explicit PlacedControl(KelvaneUCWidget* widget)
        : m_widget(widget)
    {
        ++g_liveObjects;
    }

    int32_t SetEventSink(EventSink* sink) override
    {
        if (!m_widget)
            return hr::Fail;
        try {
            auto events = sink ? std::make_unique<SinkEvents>(sink) : nullptr;
            m_widget->control().setEvents(events.get());
            m_events = std::move(events);
            return hr::Ok;
        } catch (const std::bad_alloc&) {
            return hr::OutOfMemory;
        }
    }

    uint32_t AddRef() override { return ++m_refs; }

    uint32_t Release() override
    {
        const uint32_t left = --m_refs;
        if (left == 0) {
            // The window may already have taken its child widget with it.
            if (m_widget)
                m_widget->control().setEvents(nullptr);
            delete m_widget.data();
            delete this;
        }
        return left;
    }

    KelvaneUC* control() override { return m_widget ? &m_widget->control() : nullptr; }
    QWidget* widget() override { return m_widget.data(); }

    int32_t Invoke(const char* member, Array& args, Value& result, Error& error) override
    {
        try {
            if (!m_widget) {
                error = makeError(err::ObjectRequired);
                return hr::Fail;
            }
            auto r = m_widget->control().Invoke(member ? std::string_view(member) : std::string_view(), args);
            if (!r) {
                error = r.error();
                return hr::Fail;
            }
            result = std::move(r.value());
            return hr::Ok;
        } catch (const std::bad_alloc&) {
            return hr::OutOfMemory;
        }
    }

private:
    ~PlacedControl() { --g_liveObjects; }

    std::atomic<uint32_t> m_refs{1};
    QPointer<KelvaneUCWidget> m_widget;
    std::unique_ptr<SinkEvents> m_events;
};

class Factory final : public ClassFactory {
public:
    uint32_t AddRef() override
    {
        ++g_liveObjects;
        return ++m_refs;
    }

    uint32_t Release() override
    {
        // A stray extra release must not drive the counts below zero.
        uint32_t refs = m_refs.load();
        while (refs > 0 && !m_refs.compare_exchange_weak(refs, refs - 1)) {}
        if (refs == 0)
            return 0;
        --g_liveObjects;
        return refs - 1;
    }

    int32_t CreateInstance(QWidget* hostWindow, const StoredProperty* properties, std::size_t count,
                           ComponentInstance** instance) override
    {
        if (!instance)
            return hr::Pointer;
        *instance = nullptr;
        if (!hostWindow)
            return hr::Pointer;
        if (count > 0 && !properties)
            return hr::InvalidArg;
        for (std::size_t i = 0; i < count; ++i)
            if (!properties[i].key)
                return hr::InvalidArg;
        // A widget outside a QApplication's GUI thread would abort the whole host.
        auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
        if (!app || QThread::currentThread() != app->thread() || hostWindow->thread() != app->thread())
            return hr::Fail;
        try {
            auto widget = std::make_unique<KelvaneUCWidget>(hostWindow, false);
            if (properties) {
                MemoryPropertyBag bag;
                for (std::size_t i = 0; i < count; ++i)
                    bag.write(properties[i].key, Value(properties[i].value), Value());
                if (!widget->load(bag))
                    return hr::Fail;
            } else {
                widget->initialize();
            }
            *instance = new PlacedControl(widget.release());
            return hr::Ok;
        } catch (const std::bad_alloc&) {
            return hr::OutOfMemory;
        } catch (...) {
            return hr::Fail;
        }
    }

    int32_t LockServer(bool lock) override
    {
        if (lock) {
            ++g_locks;
        } else {
            int64_t locks = g_locks.load();
            while (locks > 0 && !g_locks.compare_exchange_weak(locks, locks - 1)) {}
        }
        return hr::Ok;
    }

private:
    std::atomic<uint32_t> m_refs{0};
};

Factory& factory()
{
    static Factory f;
    return f;
}

// The file this code was loaded from, as the dynamic loader knows it.
std::string libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : absolute.lexically_normal().string();
}

} // namespace

} // namespace kelvane

using namespace kelvane;

extern "C" KELVANEUCP_EXPORT int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** object)
{
    if (!object)
        return hr::Pointer;
    *object = nullptr;
    if (!sameId(classId, kClassId))
        return hr::ClassNotAvailable;
    if (!sameId(interfaceId, kClassFactoryIdC) && !sameId(interfaceId, kClassFactoryIdV1C))
        return hr::NoInterface;
    Factory& f = factory();
    f.AddRef();
    *object = static_cast<ClassFactory*>(&f);
    return hr::Ok;
}

extern "C" KELVANEUCP_EXPORT int32_t DllCanUnloadNow(void)
{
    return g_liveObjects.load() == 0 && g_locks.load() == 0 ? hr::Ok : hr::False;
}

extern "C" KELVANEUCP_EXPORT int32_t DllRegisterServer(void)
{
    try {
        const auto file = registry::defaultFile();
        const std::string path = libraryPath();
        if (!file || path.empty())
            return hr::SelfRegClass;
        const registry::Record record{std::string(kClassId),
                                      {{"ProgID", std::string(kProgId)},
                                       {"Class", "KelvaneUC"},
                                       {"TypeLib", std::string(kLibraryId)},
                                       {"Version", std::string(kLibraryVersion)},
                                       {"Interface", std::string(kInterfaceId)},
                                       {"Events", std::string(kEventInterfaceId)},
                                       {"Library", path}}};
        return registry::add(*file, record) ? hr::Ok : hr::SelfRegClass;
    } catch (...) {
        return hr::SelfRegClass;
    }
}

extern "C" KELVANEUCP_EXPORT int32_t DllUnregisterServer(void)
{
    try {
        const auto file = registry::defaultFile();
        if (!file)
            return hr::SelfRegClass;
        return registry::remove(*file, kClassId) ? hr::Ok : hr::SelfRegClass;
    } catch (...) {
        return hr::SelfRegClass;
    }
}
