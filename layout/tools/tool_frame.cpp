#include "tools/tool_frame.h"

#include "access/access.h"

namespace kelvane {

std::vector<int32_t> positionalOrder(KelvaneUC& control, std::vector<double> keys, bool descending)
{
    std::vector<double> zeros(keys.size(), 0.0);
    std::vector<double> zeros2(keys.size(), 0.0);
    if (descending)
        control.ReverseSequence();
    const Result<> sorted = control.Sort(keys, zeros, zeros2);
    if (!sorted)
        throw Failure(sorted.error());
    return control.GetIndexArray();
}

Result<> moveGroup(KelvaneUC& control, Instance& inst, const Array& args, MoveEdge edge, double target)
{
    return guarded([&]() -> Result<> {
        const ControlList list = FlattenControlList(args);
        if (isEmptyList(list))
            return {};
        const Ref container = GetCommonContainer(inst, list);
        if (!container)
            return {};

        constexpr double kUnreadable = 99999999; // sorts last
        std::vector<double> keys;
        keys.reserve(list.size());
        for (const Ref& c : list) {
            switch (edge) {
            case MoveEdge::Top:
            case MoveEdge::Left: try { keys.push_back(edge == MoveEdge::Top ? GetTop(c) : GetLeft(c));
                } catch (const Failure&) {
                    keys.push_back(kUnreadable);
                }
                break;
            case MoveEdge::Bottom: keys.push_back(GetBottom(c)); break;
            case MoveEdge::Right: keys.push_back(GetRight(c)); break;
            }
        }
        const std::vector<int32_t> order = positionalOrder(control, keys);

        // Top and left follow the first control in ascending order, bottom and right the last.
        const bool farEdge = edge == MoveEdge::Bottom || edge == MoveEdge::Right;
        const Ref& reference = list[static_cast<std::size_t>(farEdge ? order.back() : order.front())];
        if (edge == MoveEdge::Bottom && target <= 0)
            target += GetInnerHeight(container);
        if (edge == MoveEdge::Right && target <= 0)
            target += GetInnerWidth(container);

        auto edgeOf = [edge](const Ref& c) {
            switch (edge) {
            case MoveEdge::Top: return GetTop(c);
            case MoveEdge::Left: return GetLeft(c);
            case MoveEdge::Bottom: return GetBottom(c);
            case MoveEdge::Right: return GetRight(c);
            }
            return 0.0;
        };
        const double delta = edgeOf(reference) - target;
        const bool stopOnFailure = IsDevelopmentMode(inst);
        for (int32_t i : order) {
            const Ref& c = list[static_cast<std::size_t>(i)];
            try {
                const double moved = edgeOf(c) - delta;
                switch (edge) {
                case MoveEdge::Top: SetTop(c, moved); break;
                case MoveEdge::Left: SetLeft(c, moved); break;
                case MoveEdge::Bottom: SetBottom(c, moved); break;
                case MoveEdge::Right: SetRight(c, moved); break;
                }
            } catch (const Failure&) {
                if (stopOnFailure)
                    throw;
            }
        }
        return {};
    });
}

} // namespace kelvane
