#pragma once
// The component entry points of the KelvaneUCP library, for hosts that load it at run time
// (dlopen + dlsym) instead of linking it.
//
// A host asks DllGetClassObject for the class factory of kClassId, creates one instance per
// host window with the window's stored properties, keeps it while the window lives and
// releases it afterwards:
//
//   auto get = reinterpret_cast<kelvane::DllGetClassObjectFn>(dlsym(lib, "DllGetClassObject"));
//   kelvane::ClassFactory* factory = nullptr;
//   get(kelvane::kClassIdC, kelvane::kClassFactoryIdC, reinterpret_cast<void**>(&factory));
//   const kelvane::StoredProperty props[] = {{"designwidth", 1024}, {"designheight", 768}};
//   kelvane::ComponentInstance* control = nullptr;
//   factory->CreateInstance(&window, props, 2, &control);
//   factory->Release();
//   control->SetEventSink(&sink); // optional: the four events of each resize pass
//   ...
//   control->Release(); // before or after the window is gone
//
// The instance is a KelvaneUCWidget placed on the window in run mode: it hides itself, hooks
// the window's resize and close events and rescales the window to its screen. Everything
// crosses this boundary as C types or through virtual calls, so a host needs this header and
// the library file, not the library's link symbols. Both sides must come from the same
// compiler family (the interfaces are C++ vtables); the factory's interface id names this
// exact layout and changes whenever it does.
#include <kelvaneuc/kelvaneucp_export.h>
#include <kelvaneuc/value.h>

#include <cstddef>
#include <cstdint>

class QObject;
class QWidget;

namespace kelvane {

class KelvaneUC;

// Result codes of the entry points, as the platform's component model numbers them.
namespace hr {
constexpr int32_t Ok = 0;
constexpr int32_t False = 1;
constexpr int32_t NoInterface = static_cast<int32_t>(0x80004002u);
constexpr int32_t Pointer = static_cast<int32_t>(0x80004003u);
constexpr int32_t Fail = static_cast<int32_t>(0x80004005u);
constexpr int32_t OutOfMemory = static_cast<int32_t>(0x8007000Eu);
constexpr int32_t InvalidArg = static_cast<int32_t>(0x80070057u);
constexpr int32_t ClassNotAvailable = static_cast<int32_t>(0x80040111u);
constexpr int32_t SelfRegClass = static_cast<int32_t>(0x80040201u); // registering the class failed
} // namespace hr

constexpr bool succeeded(int32_t result) { return result >= 0; }

// The class identifier and the factory interface, as C strings for DllGetClassObject.
inline constexpr const char* kClassIdC = "{61B61E2D-2791-47E6-9EEA-F1288039E8DD}";
// Version 2 added ComponentInstance::SetEventSink at the end of the instance's table; a host
// built for version 1 asks for its own id and still gets a factory it can use.
inline constexpr const char* kClassFactoryIdC = "{B3E4D0A6-5C1F-4E27-9A8D-2F61C07E9B52}"; // version 2
inline constexpr const char* kClassFactoryIdV1C = "{07D7C59B-7758-4E81-A34F-E9059E56D4A8}";

// One stored property of a host window; Booleans are numbers (non-zero is true).
struct StoredProperty {
    const char* key;
    double value;
};

// The events of a resize pass, for a host that does not link the library (the library's own
// kelvane::Events needs its link symbols). Every member has an empty body here, so a host
// overrides only what it needs; they are raised in this order: BeginResize; for each control
// BeforeResize, its adjustment, AfterResize; FinishedResize. control is the Qt object of the
// control being adjusted. cancel arrives true for tool bars and edge-aligned controls; setting
// it skips the control (AfterResize is then not raised for it). A member may throw: the pass
// logs it and goes on.
class EventSink {
public:
    virtual void BeginResize() {}
    virtual void BeforeResize(QObject* control, double widthRatio, double heightRatio, bool& cancel)
    {
        (void)control, (void)widthRatio, (void)heightRatio, (void)cancel;
    }
    virtual void AfterResize(QObject* control, double widthRatio, double heightRatio)
    {
        (void)control, (void)widthRatio, (void)heightRatio;
    }
    virtual void FinishedResize() {}

protected:
    ~EventSink() = default; // owned by the host, never deleted through this interface
};

// One KelvaneUC placed on one host window, counted by references.
class ComponentInstance {
public:
    virtual uint32_t AddRef() = 0;
    // The last release removes the control from its window (if the window still exists).
    virtual uint32_t Release() = 0;
    // The control, while its window exists; null after the window was destroyed.
    virtual KelvaneUC* control() = 0;
    virtual QWidget* widget() = 0;
    // KelvaneUC::Invoke on the control. Returns hr::Ok with result set, or hr::Fail with error
    // set; after the window was destroyed the call fails with the object-required error.
    virtual int32_t Invoke(const char* member, Array& args, Value& result, Error& error) = 0;
    // Subscribes sink to the control's events, in place of any earlier one; null unsubscribes.
    // The sink must stay alive until it is replaced, unsubscribed or the instance released.
    // hr::Fail after the window was destroyed (nothing is subscribed then).
    virtual int32_t SetEventSink(EventSink* sink) = 0;

protected:
    ~ComponentInstance() = default; // released, never deleted by the host
};

class ClassFactory {
public:
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;
    // Places a control on hostWindow, the extender's Parent, and loads it from the stored
    // properties (count entries). properties == nullptr means a new instance without stored
    // data: the control runs InitProperties only, which at run time leaves it inactive.
    // Needs a running QApplication on the calling (GUI) thread.
    virtual int32_t CreateInstance(QWidget* hostWindow, const StoredProperty* properties, std::size_t count,
                                   ComponentInstance** instance) = 0;
    // Keeps the library loaded without an instance (DllCanUnloadNow says no while locked).
    virtual int32_t LockServer(bool lock) = 0;

protected:
    ~ClassFactory() = default;
};

using DllGetClassObjectFn = int32_t (*)(const char* classId, const char* interfaceId, void** object);
using DllCanUnloadNowFn = int32_t (*)();
using DllRegisterServerFn = int32_t (*)();
using DllUnregisterServerFn = int32_t (*)();

} // namespace kelvane

extern "C" {
// The class factory for classId (braces and letter case as in kClassIdC; case is ignored)
// through interfaceId kClassFactoryIdC (or kClassFactoryIdV1C). hr::ClassNotAvailable for any other class,
// hr::NoInterface for any other interface, hr::Pointer when object is null.
KELVANEUCP_EXPORT int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** object);
// hr::Ok when no instance, factory reference or lock remains, else hr::False.
KELVANEUCP_EXPORT int32_t DllCanUnloadNow(void);
// Records this class (progid, class id, library id, version, library path) in the per-user
// component registry $XDG_DATA_HOME/kelvaneucp/components.ini (XDG_DATA_HOME defaults to
// ~/.local/share); other records in the file stay as they are.
KELVANEUCP_EXPORT int32_t DllRegisterServer(void);
// Removes this class's record only; hr::Ok also when it was not registered.
KELVANEUCP_EXPORT int32_t DllUnregisterServer(void);
}
