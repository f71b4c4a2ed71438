// The KelvaneUC object: life, Boolean settings, ratios, log and the Resize member.
// Persistence and the design-time face are in properties.cpp, the by-name call in dispatch.cpp.
#include <kelvaneuc/kelvaneuc.h>

#include "control/instance.h"
#include "resize/resize.h"

namespace kelvane {

KelvaneUC::KelvaneUC(Site& site, Events* events)
    : d(std::make_unique<Instance>(site, events))
{
}

// Termination releases the host form like Unload does.
KelvaneUC::~KelvaneUC() { d->resetEngineState(); }

void KelvaneUC::setEvents(Events* events) { d->events = events; }

void KelvaneUC::HostResize() { HandleResizeRequest(*d); }

// The control never holds a closing form back; it lets go of it so the form can be destroyed.
bool KelvaneUC::HostQueryUnload()
{
    d->frmParent.reset();
    return false;
}

namespace {
// A ratio is 0 until a pass has computed it; callers should see "no scaling" then.
double orOne(double v) { return v == 0 ? 1.0 : v; }
} // namespace

double KelvaneUC::WidthRatio() const { return orOne(d->WidthRatio); }
double KelvaneUC::HeightRatio() const { return orOne(d->HeightRatio); }
double KelvaneUC::WidthRatioUsed() const { return orOne(d->WidthRatioUsed); }
double KelvaneUC::HeightRatioUsed() const { return orOne(d->HeightRatioUsed); }

// Only the designer saves properties, so only it needs to hear of a change. A put never
// resizes: the next resize request picks the value up.
#define KELVANE_BOOL_PROPERTY(Name)                                                                                              \
    bool KelvaneUC::Name() const { return d->Name; }                                                                             \
    void KelvaneUC::set##Name(bool value)                                                                                        \
    {                                                                                                                            \
        d->Name = value;                                                                                                         \
        if (!d->site.userMode())                                                                                                 \
            d->site.propertyChanged(#Name);                                                                                      \
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

} // namespace kelvane
