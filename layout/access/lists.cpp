// Control lists, collections, the development-mode switch, the wait and the display metrics.
#include "access/access.h"

#include <cstdint>
#include <limits>
#include <unordered_set>

namespace kelvane {

namespace {

// Identities of a list's objects, so membership tests stay constant-time on long lists.
std::unordered_set<const void*> identities(const ControlList& list)
{
    std::unordered_set<const void*> out;
    if (isEmptyList(list))
        return out;
    out.reserve(list.size());
    for (const auto& c : list)
        if (c)
            out.insert(c->identity());
    return out;
}

bool contains(const std::unordered_set<const void*>& set, const Ref& c) { return c && set.contains(c->identity()); }

} // namespace

ControlList FlattenControlList(const Array& args)
{
    // Only the first argument is looked into; nesting is finite, so the descent ends.
    const Array* v = &args;
    while (!v->empty() && v->front().isArray())
        v = &v->front().array();
    if (v->empty())
        return emptyList();
    ControlList out;
    out.reserve(v->size());
    for (const auto& element : *v)
        out.push_back(element.toObject());
    return out;
}

Ref GetCommonContainer(const Instance& inst, const ControlList& list)
{
    if (isEmptyList(list))
        return nullptr;
    Ref reference;
    bool found = false;
    for (const auto& c : list) {
        if (GetKind(c) == "data")
            continue;
        if (!found) {
            reference = GetContainer(c);
            found = true;
            continue;
        }
        if (!sameObject(GetContainer(c), reference) && IsDevelopmentMode(inst))
            throw Failure(
                Error{err::SameContainer, "clsResizer: ", "All controls to be aligned must have the same container object."});
    }
    return reference;
}

bool IsInList(const Ref& c, const ControlList& list)
{
    if (!c)
        return false;
    for (const auto& element : list)
        if (sameObject(element, c))
            return true;
    return false;
}

Ref GetHostControls(const Ref& x)
{
    const Ref form = IsForm(x) ? x : GetParent(x);
    if (!form)
        throw Failure(err::ObjectRequired);
    return form->get("Controls").toObject();
}

ControlList GetControlsExcept(const Ref& x, const ControlList& except)
{
    const Ref controls = GetHostControls(x);
    const auto excluded = identities(except);
    const int32_t count = GetCount(controls);
    ControlList out;
    for (int32_t i = 0; i < count; ++i) {
        Ref member = GetItem(controls, i);
        if (member && contains(excluded, member))
            continue;
        out.push_back(std::move(member));
    }
    return out.empty() ? emptyList() : out;
}

ControlList GetChildren(const Instance& inst, const Ref& container, const ControlList& except)
{
    if (!isEmptyList(except) && !sameObject(GetCommonContainer(inst, except), container))
        return except;
    const Ref controls = GetHostControls(container);
    const auto excluded = identities(except);
    std::unordered_set<const void*> taken;
    const int32_t count = GetCount(controls);
    ControlList out;
    for (int32_t i = 0; i < count; ++i) {
        Ref member = GetItem(controls, i);
        if (!HasVisible(member) || !IsChildOf(container, member) || contains(excluded, member))
            continue;
        if (!taken.insert(member->identity()).second)
            continue;
        out.push_back(std::move(member));
    }
    return out.empty() ? emptyList() : out;
}

bool IsDevelopmentMode(const Instance& inst) { return inst.platform.developmentMode(); }

void WaitMilliseconds(Instance& inst, int32_t ms)
{
    if (inst.waitBusy)
        return;
    inst.waitBusy = true;
    struct ClearBusy {
        Instance& inst;
        ~ClearBusy() { inst.waitBusy = false; }
    } clear{inst};

    // The system counter is read as the platform's signed 32-bit value; a difference that is
    // negative or does not fit in 32 bits means it wrapped, which ends the wait.
    auto signedTicks = [&] { return static_cast<int64_t>(static_cast<int32_t>(inst.platform.tickCount())); };
    const int64_t start = signedTicks();
    // A counter that stops moving must not hold the thread for ever.
    const int64_t sleepBudget = 2 * static_cast<int64_t>(ms) + 1000;
    int64_t slept = 0;
    for (;;) {
        const int64_t elapsed = signedTicks() - start;
        if (elapsed >= ms || elapsed < 0 || elapsed > std::numeric_limits<int32_t>::max())
            return;
        if (slept >= sleepBudget)
            return;
        const int64_t remaining = static_cast<int64_t>(ms) - elapsed;
        inst.platform.sleep(static_cast<uint32_t>(remaining));
        slept += remaining;
    }
}

DisplayMetrics GetDisplayMetrics(Instance& inst) { return inst.platform.displayMetrics(inst.site.parent()); }

} // namespace kelvane
