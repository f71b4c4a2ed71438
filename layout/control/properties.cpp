// Persistence and the design-time face of KelvaneUC.
#include <kelvaneuc/kelvaneuc.h>

#include "access/access.h"
#include "control/instance.h"

#include <array>
#include <cmath>
#include <string_view>

namespace kelvane {

namespace {

struct MetricKey {
    std::string_view key;
    double defaultValue;
    double Instance::*field;
};

// Stored in this order; the design metrics come first.
constexpr std::array<MetricKey, 6> metricKeys = {{
    {"DesignWidth", 800, &Instance::DesignWidth},
    {"DesignHeight", 600, &Instance::DesignHeight},
    {"DesignBorderWidth", 1, &Instance::DesignBorderWidth},
    {"DesignCaptionHeight", 18, &Instance::DesignCaptionHeight},
    {"DesignMenuHeight", 18, &Instance::DesignMenuHeight},
    {"DesignScrollWidth", 16, &Instance::DesignScrollWidth},
}};

struct BoolKey {
    std::string_view key;
    bool defaultValue;
    bool Instance::*field;
};

constexpr std::array<BoolKey, 7> boolKeys = {{
    {"AccountForAlignedControls", true, &Instance::AccountForAlignedControls},
    {"KeepAspectRatio", true, &Instance::KeepAspectRatio},
    {"ResizeOnChange", true, &Instance::ResizeOnChange},
    {"ResizeAtStartUp", true, &Instance::ResizeAtStartUp},
    {"ResizeForFixedTaskBar", true, &Instance::ResizeForFixedTaskBar},
    {"ResizeForOverhead", true, &Instance::ResizeForOverhead},
    {"ResizeContainedByToolbar", false, &Instance::ResizeContainedByToolbar},
}};

constexpr double kMinFaceWidth = 2600;  // twips
constexpr double kMinFaceHeight = 1300; // twips

void captureDesignMetrics(Instance& inst)
{
    const DisplayMetrics m = GetDisplayMetrics(inst);
    inst.DesignWidth = m.screenWidth;
    inst.DesignHeight = m.screenHeight;
    inst.DesignBorderWidth = m.borderWidth;
    inst.DesignCaptionHeight = m.captionHeight;
    inst.DesignMenuHeight = m.menuHeight;
    inst.DesignScrollWidth = m.scrollWidth;
}

void announceDesignMetrics(Instance& inst)
{
    for (const auto& k : metricKeys)
        inst.site.propertyChanged(k.key);
}

void setBoolDefaults(Instance& inst)
{
    for (const auto& k : boolKeys)
        inst.*k.field = k.defaultValue;
}

// A key that cannot be read keeps the default already set. A stored metric that is not a finite
// number counts as unreadable: it would poison every ratio of the resize pass.
void readMetric(Instance& inst, PropertyBag& bag, const MetricKey& k)
{
    try {
        const double v = bag.read(k.key, Value(k.defaultValue)).toDouble();
        if (std::isfinite(v))
            inst.*k.field = v;
    } catch (...) {
    }
}

void readBool(Instance& inst, PropertyBag& bag, const BoolKey& k)
{
    try {
        inst.*k.field = bag.read(k.key, Value(k.defaultValue)).toBool();
    } catch (...) {
    }
}

std::string resolutionCaption(const Instance& inst)
{
    const auto n = [](double v) { return Value(v).toString(); };
    return "Res=" + n(inst.DesignWidth) + " x " + n(inst.DesignHeight) + "  \r\n" + "Caption=" + n(inst.DesignCaptionHeight) +
        "  \r\n" + "Menu=" + n(inst.DesignMenuHeight) + "  \r\n" + "Scroll=" + n(inst.DesignScrollWidth) + "  \r\n";
}

// The label is decoration: a host that fails to show it must not stop the control.
void showFace(Instance& inst)
{
    try {
        inst.site.showFace(inst.faceCaption, inst.site.width(), inst.site.height());
    } catch (...) {
    }
}

void updateResolutionLabel(Instance& inst)
{
    inst.faceCaption = resolutionCaption(inst);
    showFace(inst);
}

} // namespace

void KelvaneUC::InitProperties()
{
    if (d->site.userMode())
        return;
    captureDesignMetrics(*d);
    for (const auto& k : boolKeys)
        (*d).*k.field = k.key != "ResizeContainedByToolbar";
    announceDesignMetrics(*d);
    for (const auto& k : boolKeys)
        d->site.propertyChanged(k.key);
}

Result<> KelvaneUC::ReadProperties(PropertyBag& bag)
{
    if (!d->site.userMode()) {
        // Every save records the screen the form was last opened on, not the stored one.
        captureDesignMetrics(*d);
        announceDesignMetrics(*d);
    } else {
        for (const auto& k : metricKeys)
            (*d).*k.field = k.defaultValue;
        for (const auto& k : metricKeys)
            readMetric(*d, bag, k);
        d->frmParent = d->site.parent();
    }
    setBoolDefaults(*d);
    for (const auto& k : boolKeys)
        readBool(*d, bag, k);
    return {};
}

Result<> KelvaneUC::WriteProperties(PropertyBag& bag)
{
    return guarded([&]() -> Result<> {
        captureDesignMetrics(*d);
        for (const auto& k : metricKeys)
            bag.write(k.key, Value((*d).*k.field), Value(k.defaultValue));
        for (const auto& k : boolKeys)
            bag.write(k.key, Value((*d).*k.field), Value(k.defaultValue));
        return {};
    });
}

void KelvaneUC::Show()
{
    if (d->site.userMode())
        return;
    // Measured again now that the form is shown in its frame: the face then says what a save,
    // which measures afresh, will store.
    captureDesignMetrics(*d);
    announceDesignMetrics(*d);
    updateResolutionLabel(*d);
}

void KelvaneUC::DesignResize()
{
    if (d->site.userMode())
        return;
    // Written as "not at least" so that a NaN size is corrected too.
    if (!(d->site.width() >= kMinFaceWidth))
        d->site.setWidth(kMinFaceWidth);
    if (!(d->site.height() >= kMinFaceHeight))
        d->site.setHeight(kMinFaceHeight);
    updateResolutionLabel(*d);
}

// The Qt face paints its label in the control's own font; the core has nothing to do.
void KelvaneUC::Paint() {}

void KelvaneUC::FaceClicked() { d->site.setVisible(false); }

std::string KelvaneUC::FaceCaption() const { return d->faceCaption; }

} // namespace kelvane
