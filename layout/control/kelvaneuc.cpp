#include <kelvaneuc/kelvaneuc.h>

#include "control/instance.h"
#include "control/not_yet.h"
#include "resize/resize.h"

#include <array>

namespace kelvane {

KelvaneUC::KelvaneUC(Site& site, Events* events)
    : d(std::make_unique<Instance>(site, events))
{
}

KelvaneUC::~KelvaneUC() { d->resetEngineState(); }

void KelvaneUC::setEvents(Events* events) { d->events = events; }

// Persistence and the design-time face come with the component layer.
void KelvaneUC::InitProperties() {}
Result<> KelvaneUC::ReadProperties(PropertyBag&) { return {}; }
Result<> KelvaneUC::WriteProperties(PropertyBag&) { return {}; }
void KelvaneUC::Show() {}
void KelvaneUC::DesignResize() {}
void KelvaneUC::Paint() {}
void KelvaneUC::FaceClicked() { d->site.setVisible(false); }
void KelvaneUC::HostResize() { HandleResizeRequest(*d); }
bool KelvaneUC::HostQueryUnload() { return false; }
std::string KelvaneUC::FaceCaption() const { return d->faceCaption; }

namespace {
double orOne(double v) { return v == 0 ? 1.0 : v; }
} // namespace

double KelvaneUC::WidthRatio() const { return orOne(d->WidthRatio); }
double KelvaneUC::HeightRatio() const { return orOne(d->HeightRatio); }
double KelvaneUC::WidthRatioUsed() const { return orOne(d->WidthRatioUsed); }
double KelvaneUC::HeightRatioUsed() const { return orOne(d->HeightRatioUsed); }

#define KELVANE_BOOL_PROPERTY(Name)                                                                \
    bool KelvaneUC::Name() const { return d->Name; }                                              \
    void KelvaneUC::set##Name(bool value)                                                          \
    {                                                                                              \
        d->Name = value;                                                                           \
        if (!d->site.userMode())                                                                   \
            d->site.propertyChanged(#Name);                                                        \
    }
KELVANE_BOOL_PROPERTY(ResizeContainedByToolbar)
KELVANE_BOOL_PROPERTY(ResizeAtStartUp)
KELVANE_BOOL_PROPERTY(AccountForAlignedControls)
KELVANE_BOOL_PROPERTY(KeepAspectRatio)
KELVANE_BOOL_PROPERTY(ResizeForFixedTaskBar)
KELVANE_BOOL_PROPERTY(ResizeForOverhead)
KELVANE_BOOL_PROPERTY(ResizeOnChange)
#undef KELVANE_BOOL_PROPERTY

std::string KelvaneUC::GetErrors() const { return d->ErrorLog; }
void KelvaneUC::Unload() { d->resetEngineState(); }
std::string KelvaneUC::Resize() { return HandleResizeRequest(*d); }

Result<Value> KelvaneUC::Invoke(std::string_view member, Array&) { return notYetBuilt(std::string(member).c_str()); }

std::span<const std::string_view> KelvaneUC::MemberNames()
{
    static constexpr std::array<std::string_view, 45> names = {
        "ReverseSequence", "GetIndexArray", "GetUnSortedIndex", "Sort", "WidthRatio", "HeightRatio",
        "ResizeContainedByToolbar", "ResizeAtStartUp", "AccountForAlignedControls", "KeepAspectRatio",
        "ResizeForFixedTaskBar", "ResizeForOverhead", "ResizeOnChange", "WidthRatioUsed", "HeightRatioUsed",
        "SetTabOrder", "GroupVerticallyOn", "GroupHorizontallyOn", "ShowTabOrder", "ShowTabOrderDemo",
        "AlignLefts", "AlignTops", "AlignMiddles", "AlignCenters", "AlignRights", "GetArrayOfControls",
        "GetArrayOfChildren", "SpaceFixedLeftToRight", "MoveTopTo", "MoveBottomTo", "MoveLeftTo", "MoveRightTo",
        "SpaceFixedRightToLeft", "SpaceFixedTopToBottom", "SpaceFixedBottomToTop", "AlignBottoms",
        "MakeEqualWidth", "MakeEqualHeight", "MakeEqualBoth", "VSpaceEquallyBetween", "VSpaceEqually",
        "HSpaceEquallyBetween", "HSpaceEqually", "HCenter", "VCenter"};
    // GetErrors, Unload and Resize close the interface.
    static constexpr std::array<std::string_view, 48> all = [] {
        std::array<std::string_view, 48> a{};
        for (std::size_t i = 0; i < names.size(); ++i)
            a[i] = names[i];
        a[45] = "GetErrors";
        a[46] = "Unload";
        a[47] = "Resize";
        return a;
    }();
    return all;
}

} // namespace kelvane
