#include "access/access.h"
#include "resize/engine.h"

#include <algorithm>

namespace kelvane {

void ChildIndex::build(const Ref& form)
{
    m_groups.clear();
    const Ref collection = GetHostControls(form);
    const int32_t count = GetCount(collection);
    // A control is filed under the first container it reports; each sits in one group only,
    // so the tree walked from the form has no cycles.
    std::unordered_set<const void*> filed;
    filed.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int32_t i = 0; i < count; ++i) {
        Ref member = GetItem(collection, i);
        if (!member || sameObject(member, form) || !HasVisible(member))
            continue;
        const Ref container = GetContainer(member);
        if (!container || !filed.insert(member->identity()).second)
            continue;
        m_groups[container->identity()].push_back(std::move(member));
    }
}

const ControlList& ChildIndex::children(const Ref& container) const
{
    if (!container)
        return m_none;
    auto it = m_groups.find(container->identity());
    return it == m_groups.end() ? m_none : it->second;
}

AlignedSpace MeasureAlignedSpace(Instance& inst, const Ref& container, const ControlList& children)
{
    // Totals in twips; each child's size is in its container's units.
    double left = 0, top = 0, horizontal = 0, vertical = 0;
    AlignedSpace space;
    const bool mdiParent = container && IsMdiForm(container);
    for (const Ref& child : children) {
        if (!child)
            continue;
        if (GetKind(child) == "menu")
            space.menu = true;
        if (!HasVisible(child) || !IsAligned(child) || !GetVisible(child))
            continue;
        const int32_t mode = mdiParent ? scale::Twips : GetContainerScaleMode(child);
        switch (GetAlign(child)) {
        case 1: {
            const double h = ToTwipsY(inst, GetHeight(child), mode);
            top += h;
            vertical += h;
            break;
        }
        case 2: vertical += ToTwipsY(inst, GetHeight(child), mode); break;
        case 3: {
            const double w = ToTwipsX(inst, GetWidth(child), mode);
            left += w;
            horizontal += w;
            break;
        }
        case 4: horizontal += ToTwipsX(inst, GetWidth(child), mode); break;
        default: break;
        }
    }
    space.left = TwipsToPixelsX(inst, left);
    space.top = TwipsToPixelsY(inst, top);
    space.horizontal = TwipsToPixelsX(inst, horizontal);
    space.vertical = TwipsToPixelsY(inst, vertical);
    return space;
}

HostOverhead MeasureHostOverhead(Instance& inst, const Ref& form, const ControlList& children)
{
    HostOverhead overhead;
    overhead.form = MeasureAlignedSpace(inst, form, children);
    overhead.menu = overhead.form.menu;
    ignored([&] { overhead.mdiChild = IsMdiChild(form); });
    if (!overhead.mdiChild)
        return overhead;
    std::vector<Ref> forms;
    ignored([&] { forms = inst.platform.openForms(); });
    for (const Ref& other : forms) {
        bool mdiParent = false;
        ignored([&] { mdiParent = other && IsMdiForm(other); });
        if (!mdiParent)
            continue;
        overhead.mdiParent = MeasureAlignedSpace(inst, other, GetChildren(inst, other, emptyList()));
        overhead.menu = overhead.menu || overhead.mdiParent.menu;
        break;
    }
    return overhead;
}

Home HomeOf(const Ref& container)
{
    Home home{container, scale::Twips};
    if (container)
        ignored([&] { home.scaleMode = container->get("ScaleMode").toInt32(); });
    return home;
}

namespace {

void walkChild(PassContext& pass, const Ref& child, double prevScroll, double curScroll, double offsetX, double offsetY,
               double wr, double hr, const Home& home, int depth)
{
    // A child that fails is left as it is; its siblings still get their turn.
    ignored([&] { ResizeControlTree(pass, child, prevScroll, curScroll, offsetX, offsetY, wr, hr, &home, depth); });
}

} // namespace

void ResizeControlTree(PassContext& pass, const Ref& control, double prevScroll, double curScroll, double offsetX, double offsetY,
                       double wr, double hr, const Home* home, int depth)
{
    Instance& inst = pass.inst;
    // Without Visible, Left or Top there is nothing to place, nor anything inside it.
    if (!control || !HasVisible(control))
        return;
    double left = 0, top = 0;
    const bool placed = ignored([&] {
        top = GetTop(control);
        left = GetLeft(control);
        (void)Value(top).toInt32();
        (void)Value(left).toInt32();
    });
    if (!placed)
        return;

    // The layout control and whatever sits on it stay as they are.
    const Home asked = home ? Home{} : Home{GetContainer(control), GetContainerScaleMode(control)};
    const Home& where = home ? *home : asked;
    const Ref self = inst.site.self();
    if (self && (sameObject(control, self) || sameObject(where.container, self)))
        return;
    if (!pass.visited.insert(control->identity()).second)
        return;

    // Target geometry in the container's units.
    const double ox = FromTwipsX(inst, offsetX, where.scaleMode);
    const double oy = FromTwipsY(inst, offsetY, where.scaleMode);
    Instance::Scratch& s = inst.scratch;
    s = {};
    ignored([&] { s.OrigWidth = GetWidth(control); });
    ignored([&] { s.OrigHeight = GetHeight(control); });
    s.NewLeft = ox + (left - ox) * wr;
    s.NewTop = oy + (top - oy) * hr;
    s.NewWidth = wr * s.OrigWidth;
    s.NewHeight = hr * s.OrigHeight;
    // The scroll-bar part of a width follows the system's bar, not the ratio.
    s.ScrollAdjustedWidth =
        inst.HostInTwips ? wr * (s.OrigWidth - prevScroll * inst.TwipsPerPixelX) + curScroll * inst.TwipsPerPixelX : s.NewWidth;

    logged(inst, [&] { ResizeOneControl(inst, control, wr, hr, ox, oy); });

    // Children, unless an aligned bar keeps its own.
    const ControlList& children = pass.index.children(control);
    if (children.empty())
        return;
    if (IsAligned(control) && !inst.ResizeContainedByToolbar)
        return;
    if (depth + 1 >= kMaxNesting) {
        if (!pass.depthLogged)
            inst.addLogLine("Containers nested too deeply; inner controls left as they are");
        pass.depthLogged = true;
        return;
    }

    // Offsets of the control's own aligned bars.
    double childOffsetX = 0, childOffsetY = 0;
    if (inst.AccountForAlignedControls) {
        const AlignedSpace space = MeasureAlignedSpace(inst, control, children);
        childOffsetX = ToTwipsX(inst, space.left, scale::Pixels);
        childOffsetY = ToTwipsY(inst, space.top, scale::Pixels);
    }

    // A tabbed dialog shows each tab in turn; controls on hidden tabs sit off to the left.
    const Home inner = HomeOf(control);
    if (GetKind(control) != "sstab") {
        for (const Ref& child : children)
            walkChild(pass, child, prevScroll, curScroll, childOffsetX, childOffsetY, wr, hr, inner, depth + 1);
        return;
    }
    const Value shown = control->get("Tab");
    const int32_t tabs = std::clamp(control->get("Tabs").toInt32(), 0, kMaxTabs);
    struct RestoreTab {
        const Ref& dialog;
        const Value& tab;
        ~RestoreTab()
        {
            ignored([&] { dialog->set("Tab", tab); });
        }
    } restore{control, shown};
    for (int32_t tab = 0; tab < tabs; ++tab) {
        control->set("Tab", Value(tab));
        ignored([&] { inst.platform.processEvents(); });
        for (const Ref& child : children) {
            double childLeft = -1;
            if (ignored([&] { childLeft = GetLeft(child); }) && childLeft >= 0)
                walkChild(pass, child, prevScroll, curScroll, childOffsetX, childOffsetY, wr, hr, inner, depth + 1);
        }
    }
}

} // namespace kelvane
