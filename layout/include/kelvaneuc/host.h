#pragma once
// What the host system and the component host supply to a KelvaneUC instance.
#include "value.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Screen resolution and non-client metrics, all in pixels.
struct DisplayMetrics {
    double screenWidth = 0;
    double screenHeight = 0;
    double borderWidth = 0;
    double captionHeight = 0;
    double menuHeight = 0;
    double scrollWidth = 0;
};

// The usable part of the screen, in pixels.
struct WorkArea {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// System queries. One implementation talks to Qt; tests use a scripted one.
class KELVANEUCP_EXPORT Platform {
public:
    virtual ~Platform();
    virtual uint32_t tickCount() = 0;              // milliseconds, wraps like the system counter
    virtual void sleep(uint32_t milliseconds) = 0; // blocks without running events
    // Metrics of the screen the form is on (the primary screen for an empty form).
    virtual DisplayMetrics displayMetrics(const Ref& form) = 0;
    virtual std::optional<WorkArea> workArea(const Ref& form) = 0; // nothing when the query fails
    virtual double twipsPerPixelX(const Ref& form) = 0;
    virtual double twipsPerPixelY(const Ref& form) = 0;
    virtual void processEvents() = 0;         // lets pending window events run
    virtual bool developmentMode() const = 0; // fixed for a given build of the host
    virtual std::vector<Ref> openForms() = 0; // every open top-level form
};

// The component host around one instance: ambient user mode, extender, change notification,
// and the control's own design-time surface.
class KELVANEUCP_EXPORT Site {
public:
    virtual ~Site();
    virtual Platform& platform() = 0;
    virtual bool userMode() const = 0;         // false while the form is being designed
    virtual Ref parent() = 0;                  // the extender's Parent: the host form
    virtual void setVisible(bool visible) = 0; // the extender's Visible
    virtual std::string name() const = 0;      // the extender's Name
    virtual Ref self() = 0;                    // the control itself as a host control
    virtual void propertyChanged(std::string_view property) = 0;
    // Design-time surface, in twips.
    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual void setWidth(double twips) = 0;
    virtual void setHeight(double twips) = 0;
    // The design-time face: the resolution label at (0, 0) with the given size and caption.
    virtual void showFace(const std::string& caption, double width, double height) = 0;
};

// The stored properties of one instance in its host form. Keys match without regard to case.
class KELVANEUCP_EXPORT PropertyBag {
public:
    virtual ~PropertyBag();
    // The stored value, or the default when the key is absent; throws Failure when a stored
    // value cannot be read.
    virtual Value read(std::string_view key, const Value& defaultValue) = 0;
    // Stores the value; a value equal to its default is not stored (and removes a stored one).
    virtual void write(std::string_view key, const Value& value, const Value& defaultValue) = 0;
};

// A property bag held in memory, in the order the keys were first written.
class KELVANEUCP_EXPORT MemoryPropertyBag final : public PropertyBag {
public:
    MemoryPropertyBag() = default;
    MemoryPropertyBag(std::initializer_list<std::pair<std::string, Value>> entries);
    Value read(std::string_view key, const Value& defaultValue) override;
    void write(std::string_view key, const Value& value, const Value& defaultValue) override;
    const std::vector<std::pair<std::string, Value>>& entries() const { return m_entries; }
    std::optional<Value> find(std::string_view key) const;

private:
    std::vector<std::pair<std::string, Value>> m_entries;
};

// Events raised to the host form by a resize pass. A handler may throw; the pass logs it.
class KELVANEUCP_EXPORT Events {
public:
    virtual ~Events();
    virtual void BeforeResize(const Ref& control, double widthRatio, double heightRatio, bool& cancel);
    virtual void AfterResize(const Ref& control, double widthRatio, double heightRatio);
    virtual void FinishedResize();
    virtual void BeginResize();
};

} // namespace kelvane
