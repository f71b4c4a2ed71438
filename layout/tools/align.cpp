#include <kelvaneuc/kelvaneuc.h>

#include "access/access.h"
#include "tools/tool_frame.h"

namespace kelvane {

namespace {

// Align and size tools: the first control is the reference and is never changed; the others
// follow in list order. Nothing is caught: the first failing control ends the call.
template <class Reference, class Apply>
Result<> alignOnReference(Instance& inst, const Array& args, Reference reference, Apply apply)
{
    return guarded([&]() -> Result<> {
        const ControlList list = FlattenControlList(args);
        if (isEmptyList(list))
            return {};
        GetCommonContainer(inst, list);
        const auto value = reference(list[0]);
        for (std::size_t i = 1; i < list.size(); ++i)
            apply(list[i], value);
        return {};
    });
}

} // namespace

Result<> KelvaneUC::AlignLefts(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetLeft(r); }, [](const Ref& c, double v) { SetLeft(c, v); });
}

Result<> KelvaneUC::AlignTops(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetTop(r); }, [](const Ref& c, double v) { SetTop(c, v); });
}

Result<> KelvaneUC::AlignMiddles(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetHeight(r) / 2 + GetTop(r); },
        [](const Ref& c, double v) { SetTop(c, v - GetHeight(c) / 2); });
}

Result<> KelvaneUC::AlignCenters(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetWidth(r) / 2 + GetLeft(r); },
        [](const Ref& c, double v) { SetLeft(c, v - GetWidth(c) / 2); });
}

Result<> KelvaneUC::AlignRights(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetWidth(r) + GetLeft(r); }, [](const Ref& c, double v) { SetRight(c, v); });
}

Result<> KelvaneUC::AlignBottoms(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetHeight(r) + GetTop(r); },
        [](const Ref& c, double v) { SetTop(c, v - GetHeight(c)); });
}

Result<> KelvaneUC::MakeEqualWidth(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetWidth(r); }, [](const Ref& c, double v) { SetWidth(c, v); });
}

Result<> KelvaneUC::MakeEqualHeight(const Array& varControl)
{
    return alignOnReference(
        *d, varControl, [](const Ref& r) { return GetHeight(r); }, [](const Ref& c, double v) { SetHeight(c, v); });
}

Result<> KelvaneUC::MakeEqualBoth(const Array& varControl)
{
    // Its own, narrower argument handling: one array argument is the list itself (objects
    // only); otherwise every argument is one control. Nested arrays are not looked into.
    return guarded([&]() -> Result<> {
        ControlList list;
        if (varControl.size() == 1 && varControl[0].isArray()) {
            for (const Value& v : varControl[0].array()) {
                if (!v.isObject())
                    throw Failure(err::TypeMismatch);
                list.push_back(v.toObject());
            }
        } else {
            for (const Value& v : varControl)
                list.push_back(v.toObject());
        }
        if (isEmptyList(list))
            return {};
        GetCommonContainer(*d, list);
        const double width = GetWidth(list[0]);
        const double height = GetHeight(list[0]);
        for (std::size_t i = 1; i < list.size(); ++i) {
            SetWidth(list[i], width);
            SetHeight(list[i], height);
        }
        return {};
    });
}

Result<> KelvaneUC::MoveTopTo(double Top, const Array& varControl)
{
    return moveGroup(*this, *d, varControl, MoveEdge::Top, Top);
}

Result<> KelvaneUC::MoveBottomTo(double Bottom, const Array& varControl)
{
    return moveGroup(*this, *d, varControl, MoveEdge::Bottom, Bottom);
}

Result<> KelvaneUC::MoveLeftTo(double Left, const Array& varControl)
{
    return moveGroup(*this, *d, varControl, MoveEdge::Left, Left);
}

Result<> KelvaneUC::MoveRightTo(double Right, const Array& varControl)
{
    return moveGroup(*this, *d, varControl, MoveEdge::Right, Right);
}

Result<Array> KelvaneUC::GetArrayOfControls(const Array& varControl)
{
    return guarded([&]() -> Result<Array> { return toArray(FlattenControlList(varControl)); });
}

Result<Array> KelvaneUC::GetArrayOfChildren(const Ref& objTop, const Array& varExcept)
{
    return guarded([&]() -> Result<Array> { return toArray(GetChildren(*d, objTop, FlattenControlList(varExcept))); });
}

} // namespace kelvane
