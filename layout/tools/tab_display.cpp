#include <kelvaneuc/kelvaneuc.h>

#include "access/access.h"

#include <unordered_map>

namespace kelvane {

Result<> KelvaneUC::ShowTabOrderDemo(int32_t lngMilliSeconds, int32_t lngRGBColor)
{
    return guarded([&]() -> Result<> {
        const Ref form = d->site.parent();
        if (!form || !IsForm(form))
            throw Failure(err::TypeMismatch);
        const Ref controls = GetHostControls(form);
        const int32_t n = GetCount(controls);

        // The first control in collection order holding each tab index, found in one walk.
        std::unordered_map<int32_t, Ref> byTab;
        for (int32_t i = 0; i < n; ++i) {
            Ref c;
            try {
                c = GetItem(controls, i);
            } catch (const Failure&) {
                continue;
            }
            const int32_t t = GetTabIndexOrNone(c);
            if (t >= 0 && t <= n)
                byTab.emplace(t, c);
        }
        for (int32_t t = 0; t <= n; ++t) {
            auto it = byTab.find(t);
            if (it == byTab.end())
                continue;
            const Ref& c = it->second;
            Value saved;
            bool readable = true;
            // A host that can put the control back exactly does so; a colour written back would
            // become the control's own and stop following its window's.
            std::function<void()> restore;
            if (auto* keeper = dynamic_cast<LookKeeper*>(c.get()))
                restore = keeper->keepLook();
            try {
                saved = c->get("BackColor");
            } catch (const std::exception&) {
                readable = false;
            }
            Array none;
            try {
                c->set("BackColor", Value(lngRGBColor));
                c->call("Refresh", none);
            } catch (const std::exception&) {
            }
            if (!readable && !restore)
                continue; // nothing to restore, so no reason to wait
            WaitMilliseconds(*d, lngMilliSeconds);
            try {
                if (restore)
                    restore();
                else
                    c->set("BackColor", saved);
                c->call("Refresh", none);
            } catch (const std::exception&) {
            }
        }
        return {};
    });
}

Result<> KelvaneUC::ShowTabOrder(int32_t lngMilliSeconds, int32_t lngRGBColor)
{
    if (!IsDevelopmentMode(*d) || d->ResizeBusy)
        return {};
    d->ResizeBusy = true;
    // Whatever happens below, the busy flag must not outlive the display.
    struct ClearBusy {
        Instance& inst;
        ~ClearBusy() { inst.ResizeBusy = false; }
    } clearBusy{*d};
    return guarded([&]() -> Result<> {
        const Ref form = d->site.parent();
        if (!form)
            throw Failure(err::ObjectRequired);
        std::function<void()> restore;
        if (auto* keeper = dynamic_cast<LookKeeper*>(form.get()))
            restore = keeper->keepLook();
        const Value wasEnabled = form->get("Enabled");
        form->set("Enabled", Value(false));
        (void)ShowTabOrderDemo(lngMilliSeconds, lngRGBColor);
        try {
            if (restore)
                restore();
            else
                form->set("Enabled", wasEnabled);
        } catch (const std::exception&) {
        }
        return {};
    });
}

} // namespace kelvane
