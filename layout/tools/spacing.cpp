#include <kelvaneuc/kelvaneuc.h>

#include "access/access.h"
#include "tools/tool_frame.h"

#include <algorithm>

namespace kelvane {

namespace {

enum class Axis { Vertical, Horizontal };

// Fixed gaps between neighbours in positional order; the first control stays.
template <class Key, class Place>
Result<> spaceFixed(KelvaneUC& control, Instance& inst, const Array& args, bool descending, Key key, Place place)
{
    return guarded([&]() -> Result<> {
        const ControlList list = FlattenControlList(args);
        if (isEmptyList(list) || list.size() < 2)
            return {};
        GetCommonContainer(inst, list);
        std::vector<double> keys;
        keys.reserve(list.size());
        for (const Ref& c : list)
            keys.push_back(key(c));
        const std::vector<int32_t> order = positionalOrder(control, std::move(keys), descending);
        for (std::size_t k = 1; k < order.size(); ++k)
            place(list[static_cast<std::size_t>(order[k])], list[static_cast<std::size_t>(order[k - 1])]);
        return {};
    });
}

// A list whose last element is empty counts as empty for the band tools.
bool lastIsEmpty(const ControlList& list) { return list.empty() || !list.back(); }

// Equal gaps inside the band [low, high]: one before the first control, one between each pair
// and one after the last. relativeFarEdge: a far edge of 0 or less counts from the container's
// inner far edge.
void spaceEqually(KelvaneUC& control, Instance& inst, const ControlList& list, Axis axis, double low, double high,
                  bool relativeFarEdge)
{
    if (lastIsEmpty(list))
        return;
    const Ref container = GetCommonContainer(inst, list);
    if (!container)
        return;
    const bool vertical = axis == Axis::Vertical;
    if (relativeFarEdge && high <= 0)
        high += vertical ? GetInnerHeight(container) : GetInnerWidth(container);
    const double span = high - low;
    std::vector<double> start, extent, zeros(list.size(), 0.0);
    double total = 0;
    for (const Ref& c : list) {
        start.push_back(vertical ? GetTop(c) : GetLeft(c));
        extent.push_back(vertical ? GetHeight(c) : GetWidth(c));
        total += extent.back();
    }
    if (!(span > total))
        return;
    const Result<> sorted = control.Sort(start, extent, zeros);
    if (!sorted)
        throw Failure(sorted.error());
    const std::vector<int32_t> order = control.GetIndexArray();
    const double gap = (span - total) / (static_cast<double>(list.size()) + 1.0);
    double position = low;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Ref& c = list[static_cast<std::size_t>(order[k])];
        if (vertical) {
            SetTop(c, position + gap);
            position = GetTop(c) + extent[k];
        } else {
            c->set("Left", position + gap); // a direct write: lines have no Left and fail here
            position = c->get("Left").toDouble() + extent[k];
        }
    }
}

// Equal gaps between the outermost controls, which stay where they are.
void spaceBetween(KelvaneUC& control, Instance& inst, const ControlList& list, Axis axis)
{
    if (list.size() < 3 || lastIsEmpty(list))
        return;
    if (!GetCommonContainer(inst, list))
        return;
    const bool vertical = axis == Axis::Vertical;
    std::size_t first = 0, last = 0;
    std::vector<double> starts;
    for (const Ref& c : list)
        starts.push_back(vertical ? GetTop(c) : GetLeft(c));
    for (std::size_t i = 1; i < starts.size(); ++i) {
        if (starts[i] < starts[first])
            first = i;
        if (starts[i] > starts[last])
            last = i;
    }
    if (first == last)
        return;
    ControlList others;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (i != first && i != last)
            others.push_back(list[i]);
    // The band is taken as given: an outermost edge at 0 or above must not be read as
    // "relative to the container's far edge".
    spaceEqually(control, inst, others, axis, starts[first], starts[last], false);
}

// Centres the block of controls inside the band, keeping its inner layout.
void centre(KelvaneUC& control, Instance& inst, const ControlList& list, Axis axis, double low, double high)
{
    if (lastIsEmpty(list))
        return;
    const Ref container = GetCommonContainer(inst, list);
    if (!container)
        return;
    const bool vertical = axis == Axis::Vertical;
    if (high <= 0)
        high += vertical ? GetInnerHeight(container) : GetInnerWidth(container);
    if (low > high)
        return;
    std::vector<double> start, extent, zeros(list.size(), 0.0);
    for (const Ref& c : list) {
        start.push_back(vertical ? GetTop(c) : GetLeft(c));
        extent.push_back(vertical ? GetHeight(c) : GetWidth(c));
    }
    double minStart = start[0], maxEnd = start[0] + extent[0];
    for (std::size_t i = 0; i < start.size(); ++i) {
        minStart = std::min(minStart, start[i]);
        maxEnd = std::max(maxEnd, start[i] + extent[i]);
    }
    const Result<> sorted = control.Sort(start, extent, zeros);
    if (!sorted)
        throw Failure(sorted.error());
    if (minStart < low && maxEnd > high)
        return; // sticks out on both sides: nothing sensible to centre
    const double shift = ((high - low) - (maxEnd - minStart)) / 2 + low - minStart;
    for (int32_t i : control.GetIndexArray()) {
        const Ref& c = list[static_cast<std::size_t>(i)];
        if (vertical)
            SetTop(c, GetTop(c) + shift);
        else
            c->set("Left", c->get("Left").toDouble() + shift);
    }
}

} // namespace

Result<> KelvaneUC::SpaceFixedTopToBottom(double GapBetween, const Array& ctls)
{
    return spaceFixed(
        *this, *d, ctls, false, [](const Ref& c) { return GetTop(c); },
        [GapBetween](const Ref& c, const Ref& prev) { SetTop(c, GetBottom(prev) + GapBetween); });
}

Result<> KelvaneUC::SpaceFixedBottomToTop(double GapBetween, const Array& varControl)
{
    return spaceFixed(
        *this, *d, varControl, true, [](const Ref& c) { return GetBottom(c); },
        [GapBetween](const Ref& c, const Ref& prev) { SetTop(c, GetTop(prev) - GetHeight(c) - GapBetween); });
}

Result<> KelvaneUC::SpaceFixedLeftToRight(double GapBetween, const Array& varControl)
{
    return spaceFixed(
        *this, *d, varControl, false, [](const Ref& c) { return GetLeft(c); },
        [GapBetween](const Ref& c, const Ref& prev) { c->set("Left", GetRight(prev) + GapBetween); });
}

Result<> KelvaneUC::SpaceFixedRightToLeft(double GapBetween, const Array& varControl)
{
    return spaceFixed(
        *this, *d, varControl, true, [](const Ref& c) { return GetRight(c); },
        [GapBetween](const Ref& c, const Ref& prev) { c->set("Left", GetLeft(prev) - GetWidth(c) - GapBetween); });
}

Result<> KelvaneUC::VSpaceEqually(double Top, double Bottom, const Array& varControl)
{
    return guarded([&]() -> Result<> {
        spaceEqually(*this, *d, FlattenControlList(varControl), Axis::Vertical, Top, Bottom, true);
        return {};
    });
}

Result<> KelvaneUC::HSpaceEqually(double Left, double Right, const Array& varControl)
{
    return guarded([&]() -> Result<> {
        spaceEqually(*this, *d, FlattenControlList(varControl), Axis::Horizontal, Left, Right, true);
        return {};
    });
}

Result<> KelvaneUC::VSpaceEquallyBetween(const Array& varControl)
{
    return guarded([&]() -> Result<> {
        spaceBetween(*this, *d, FlattenControlList(varControl), Axis::Vertical);
        return {};
    });
}

Result<> KelvaneUC::HSpaceEquallyBetween(const Array& varControl)
{
    return guarded([&]() -> Result<> {
        spaceBetween(*this, *d, FlattenControlList(varControl), Axis::Horizontal);
        return {};
    });
}

Result<> KelvaneUC::HCenter(double Left, double Right, const Array& varControl)
{
    return guarded([&]() -> Result<> {
        centre(*this, *d, FlattenControlList(varControl), Axis::Horizontal, Left, Right);
        return {};
    });
}

Result<> KelvaneUC::VCenter(double Top, double Bottom, const Array& varControl)
{
    return guarded([&]() -> Result<> {
        centre(*this, *d, FlattenControlList(varControl), Axis::Vertical, Top, Bottom);
        return {};
    });
}

} // namespace kelvane
