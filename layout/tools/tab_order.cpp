#include <kelvaneuc/kelvaneuc.h>

#include "access/access.h"

#include <algorithm>
#include <unordered_set>

namespace kelvane {

namespace {

// Controls by identity, for membership tests that stay linear on big forms.
class IdentitySet {
public:
    explicit IdentitySet(const ControlList& list)
    {
        for (const Ref& c : list)
            if (c)
                m_ids.insert(c->identity());
    }
    bool contains(const Ref& c) const { return c && m_ids.count(c->identity()) > 0; }

private:
    std::unordered_set<const void*> m_ids;
};

double readOrZero(double (*read)(const Ref&), const Ref& c)
{
    try {
        return read(c);
    } catch (const Failure&) {
        return 0;
    }
}

void sortOrThrow(KelvaneUC& control, std::vector<double>& k0, std::vector<double>& k1, std::vector<double>& k2)
{
    const Result<> r = control.Sort(k0, k1, k2);
    if (!r)
        throw Failure(r.error());
}

// The positional order of a list of controls: rows (top, then left) or columns (left, then
// top), with controls whose starts lie within the tolerance of a band's first member counted
// as one row or column. Returns, for each sorted position, the index into children.
std::vector<int32_t> OrderByPosition(KelvaneUC& control, const Instance& inst, const ControlList& children, double tolerance,
                                     bool rows)
{
    const std::size_t count = children.size();
    std::vector<double> primary(count), secondary(count), third(count);
    auto toTwips = [&](double v, const Ref& c, bool horizontal) {
        try {
            const int32_t mode = GetContainerScaleMode(c);
            return horizontal ? ToTwipsX(inst, v, mode) : ToTwipsY(inst, v, mode);
        } catch (const Failure&) {
            return v;
        }
    };
    for (std::size_t i = 0; i < count; ++i) {
        double x = readOrZero(GetLeft, children[i]);
        double y = readOrZero(GetTop, children[i]);
        if (tolerance > 0) {
            x = toTwips(x, children[i], true);
            y = toTwips(y, children[i], false);
        }
        primary[i] = rows ? y : x;
        secondary[i] = rows ? x : y;
        third[i] = static_cast<double>(i);
    }
    sortOrThrow(control, primary, secondary, third);
    if (tolerance < 0)
        tolerance = 0;
    const std::size_t n = count;
    if (tolerance >= 1) {
        // Bands anchored on their first member: no chaining from one member to the next.
        for (std::size_t i = 0; i < n;) {
            const double limit = primary[i] + tolerance;
            std::size_t j = i + 1;
            for (; j < n && primary[j] <= limit; ++j)
                primary[j] = primary[i];
            i = j;
        }
        sortOrThrow(control, primary, secondary, third);
    } else if (tolerance > 0) {
        // A fraction of each member's own extent; the band narrows to its narrowest member.
        auto bandEnd = [&](std::size_t sortedPosition) {
            const Ref& c = children[static_cast<std::size_t>(third[sortedPosition])];
            const double start = toTwips(readOrZero(rows ? GetTop : GetLeft, c), c, !rows);
            const double extent = toTwips(readOrZero(rows ? GetHeight : GetWidth, c), c, !rows);
            return start + tolerance * extent;
        };
        for (std::size_t i = 0; i < n;) {
            double limit = bandEnd(i);
            for (std::size_t j = i + 1; j < n && primary[j] <= limit; ++j)
                limit = std::min(limit, bandEnd(j));
            std::size_t j = i + 1;
            for (; j < n && primary[j] <= limit; ++j) {
                limit = std::min(limit, bandEnd(j));
                primary[j] = primary[i];
            }
            i = j;
        }
        sortOrThrow(control, primary, secondary, third);
    }
    std::vector<int32_t> order(n);
    for (std::size_t k = 0; k < n; ++k)
        order[k] = static_cast<int32_t>(third[k]);
    return order;
}

struct TabOrderRequest {
    Ref form;
    bool leftToRight;
    double tolLR;
    double tolTB;
    ControlList except;
};

void AssignTabOrder(KelvaneUC& control, Instance& inst, const TabOrderRequest& req, const Ref& container, int32_t before)
{
    // The all-controls list is shared by the recursive calls of one request.
    struct Depth {
        Instance& inst;
        explicit Depth(Instance& i, const Ref& form)
            : inst(i)
        {
            if (inst.tabDepth == 0)
                inst.allControls = GetControlsExcept(form, emptyList());
            ++inst.tabDepth;
        }
        ~Depth()
        {
            if (--inst.tabDepth == 0)
                inst.allControls.clear();
        }
    } depth(inst, req.form);

    const bool isForm = IsSameObject(container, req.form);
    bool direction = req.leftToRight;
    if (!isForm && IsInList(container, req.except))
        direction = !req.leftToRight;

    ControlList children = GetChildren(inst, container, emptyList());
    if (isEmptyList(children))
        children.clear();
    std::vector<int32_t> order;
    if (!children.empty())
        order = OrderByPosition(control, inst, children, direction ? req.tolLR : req.tolTB, direction);

    // Current tab order of the whole form (controls without a tab index sort first, as -1).
    const ControlList all = isEmptyList(inst.allControls) ? ControlList{} : inst.allControls;
    std::vector<int32_t> byTab;
    std::vector<double> tab(all.size()), pos(all.size()), pos2(all.size());
    if (!all.empty()) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            tab[i] = GetTabIndexOrNone(all[i]);
            pos[i] = pos2[i] = static_cast<double>(i);
        }
        sortOrThrow(control, tab, pos, pos2);
        byTab = control.GetIndexArray();
        const IdentitySet childSet(children);
        auto isOther = [&](const Ref& c) { return !IsSameObject(c, container) && !childSet.contains(c); };

        // Writing 0 moves a control to the front, so the splice is built back to front: the
        // controls from `before` on, then the children, the container, and the controls
        // below `before`.
        std::size_t k = byTab.size();
        for (; k > 0; --k) {
            const Ref& c = all[static_cast<std::size_t>(byTab[k - 1])];
            if (tab[k - 1] < before) // the index read before any write of this splice
                break;
            if (isOther(c))
                TrySetTabIndex(c, 0);
        }
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            TrySetTabIndex(children[static_cast<std::size_t>(*it)], 0);
        if (!isForm)
            TrySetTabIndex(container, 0);
        for (; k > 0; --k) {
            const Ref& c = all[static_cast<std::size_t>(byTab[k - 1])];
            if (isOther(c))
                TrySetTabIndex(c, 0);
        }
    }

    // Each container's own children follow it directly.
    for (int32_t i : order) {
        const Ref& child = children[static_cast<std::size_t>(i)];
        if (!IsChildOf(container, child))
            continue;
        const int32_t t = GetTabIndexOrNone(child);
        if (t < 0 || isEmptyList(GetChildren(inst, child, emptyList())))
            continue;
        AssignTabOrder(control, inst, req, child, t + 1);
    }
}

// Controls of the host form whose extent on one axis overlaps that of `control`.
Result<Array> groupOn(const Ref& control, const Array& exceptArgs, bool horizontalAxis)
{
    return guarded([&]() -> Result<Array> {
        const ControlList except = FlattenControlList(exceptArgs);
        const IdentitySet excepted(except);
        const Ref controls = GetHostControls(control);
        const Ref home = GetContainer(control);
        const double lo = horizontalAxis ? GetLeft(control) : GetTop(control);
        const double hi = lo + (horizontalAxis ? GetWidth(control) : GetHeight(control));
        Array result{Value(control)};
        const int32_t count = GetCount(controls);
        for (int32_t i = 0; i < count; ++i) {
            Ref m;
            try {
                m = GetItem(controls, i);
            } catch (const Failure&) {
                continue;
            }
            if (!m || !HasVisible(m) || IsSameObject(m, control) || !home || !IsSameObject(GetContainer(m), home) ||
                excepted.contains(m))
                continue;
            try {
                const double start = horizontalAxis ? GetLeft(m) : GetTop(m);
                const double end = horizontalAxis ? GetRight(m) : GetBottom(m);
                if (start <= hi && end >= lo)
                    result.emplace_back(m);
            } catch (const Failure&) {
                // a member whose position cannot be read is not taken
            }
        }
        return result;
    });
}

} // namespace

Result<> KelvaneUC::SetTabOrder(const Ref& Container, bool LeftToRight, double LeftToRightTolerance, double TopToBottomTolerance,
                                int32_t InsertBeforeTabIndex, const Array& Except)
{
    return guarded([&]() -> Result<> {
        const int32_t before = std::clamp<int32_t>(InsertBeforeTabIndex, 0, 32767);
        TabOrderRequest req{nullptr, LeftToRight, LeftToRightTolerance, TopToBottomTolerance, FlattenControlList(Except)};
        if (!Container)
            throw Failure(err::TypeMismatch);
        if (IsForm(Container)) {
            req.form = Container;
        } else {
            Ref parent;
            try {
                parent = GetParent(Container);
            } catch (const Failure&) {
                throw Failure(err::TypeMismatch);
            }
            if (!parent || !IsForm(parent))
                throw Failure(err::TypeMismatch);
            req.form = parent;
        }
        AssignTabOrder(*this, *d, req, Container, before);
        return {};
    });
}

Result<Array> KelvaneUC::GroupVerticallyOn(const Ref& Control, const Array& Except) { return groupOn(Control, Except, true); }

Result<Array> KelvaneUC::GroupHorizontallyOn(const Ref& Control, const Array& Except) { return groupOn(Control, Except, false); }

} // namespace kelvane
