#include "access/access.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace kelvane {

namespace {

bool isLine(const Ref& c) { return GetKind(c) == "line"; }

double readNumber(const Ref& c, std::string_view member)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    return c->get(member).toDouble();
}

void writeNumber(const Ref& c, std::string_view member, double v)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    c->set(member, Value(v));
}

// Shifts both end points of a line by -d along one axis, the first then the second.
void shiftLine(const Ref& c, std::string_view first, std::string_view second, double d)
{
    writeNumber(c, first, readNumber(c, first) - d);
    writeNumber(c, second, readNumber(c, second) - d);
}

} // namespace

// --- lists ---

ControlList emptyList() { return ControlList{nullptr}; }

bool isEmptyList(const ControlList& list) { return list.empty() || !list.front(); }

Array toArray(const ControlList& list)
{
    Array out;
    out.reserve(std::max<std::size_t>(list.size(), 1));
    for (const auto& c : list)
        out.emplace_back(c);
    if (out.empty())
        out.emplace_back(Ref());
    return out;
}

// --- plain accessors ---

std::string GetKind(const Ref& c)
{
    // The platform names an empty reference "Nothing"; no kind test matches it.
    std::string kind = c ? c->typeName() : std::string("Nothing");
    for (auto& ch : kind)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return kind;
}

bool IsForm(const Ref& x)
{
    const std::string kind = GetKind(x);
    return kind == "form" || kind == "mdiform";
}

bool GetVisible(const Ref& c)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    return c->get("Visible").toBool();
}

int32_t GetAlign(const Ref& c)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    return c->get("Align").toInt32();
}

bool IsMdiChild(const Ref& form)
{
    if (!form)
        throw Failure(err::ObjectRequired);
    return form->get("MDIChild").toBool();
}

bool IsMdiForm(const Ref& x) { return GetKind(x) == "mdiform"; }

Ref GetParent(const Ref& c)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    return c->get("Parent").toObject();
}

int32_t GetCount(const Ref& collection)
{
    if (!collection)
        throw Failure(err::ObjectRequired);
    return collection->get("Count").toInt32();
}

Ref GetItem(const Ref& collection, int32_t index)
{
    if (!collection)
        throw Failure(err::ObjectRequired);
    return collection->get("Item", Array{Value(index)}).toObject();
}

bool IsSameObject(const Ref& a, const Ref& b) { return sameObject(a, b); }

// --- geometry readers ---

double GetLeft(const Ref& c)
{
    if (isLine(c)) {
        const double x1 = GetX1(c);
        return std::min(x1, GetX2(c));
    }
    return readNumber(c, "Left");
}

double GetTop(const Ref& c)
{
    if (isLine(c)) {
        const double y1 = GetY1(c);
        return std::min(y1, GetY2(c));
    }
    return readNumber(c, "Top");
}

double GetWidth(const Ref& c)
{
    if (isLine(c)) {
        const double x1 = GetX1(c);
        return std::fabs(x1 - GetX2(c));
    }
    return readNumber(c, "Width");
}

double GetHeight(const Ref& c)
{
    if (isLine(c)) {
        const double y1 = GetY1(c);
        return std::fabs(y1 - GetY2(c));
    }
    return readNumber(c, "Height");
}

double GetRight(const Ref& c)
{
    if (isLine(c)) {
        const double x1 = GetX1(c);
        return std::max(x1, GetX2(c));
    }
    const double width = GetWidth(c);
    return width + GetLeft(c);
}

double GetBottom(const Ref& c)
{
    if (isLine(c)) {
        const double y1 = GetY1(c);
        return std::max(y1, GetY2(c));
    }
    const double height = GetHeight(c);
    return height + GetTop(c);
}

double GetX1(const Ref& c) { return readNumber(c, "X1"); }
double GetX2(const Ref& c) { return readNumber(c, "X2"); }
double GetY1(const Ref& c) { return readNumber(c, "Y1"); }
double GetY2(const Ref& c) { return readNumber(c, "Y2"); }

// Never fails: any failure of either read is swallowed.
double GetInnerWidth(const Ref& c)
{
    try {
        return readNumber(c, "ScaleWidth");
    } catch (...) {
    }
    try {
        return GetWidth(c);
    } catch (...) {
    }
    return 0;
}

double GetInnerHeight(const Ref& c)
{
    try {
        return readNumber(c, "ScaleHeight");
    } catch (...) {
    }
    try {
        return GetHeight(c);
    } catch (...) {
    }
    return 0;
}

double GetFontSize(const Ref& c)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    return readNumber(c->get("Font").toObject(), "Size");
}

double GetRowHeight(const Ref& c) { return readNumber(c, "RowHeight"); }
double GetDefColWidth(const Ref& c) { return readNumber(c, "DefColWidth"); }

// --- geometry writers ---

void SetLeft(const Ref& c, double v)
{
    if (isLine(c))
        shiftLine(c, "X1", "X2", GetLeft(c) - v);
    else
        writeNumber(c, "Left", v);
}

void SetTop(const Ref& c, double v)
{
    if (isLine(c))
        shiftLine(c, "Y1", "Y2", GetTop(c) - v);
    else
        writeNumber(c, "Top", v);
}

void SetRight(const Ref& c, double v)
{
    if (isLine(c))
        shiftLine(c, "X1", "X2", GetRight(c) - v);
    else
        SetLeft(c, v - GetWidth(c));
}

void SetBottom(const Ref& c, double v)
{
    if (isLine(c))
        shiftLine(c, "Y1", "Y2", GetBottom(c) - v);
    else
        SetTop(c, v - GetHeight(c));
}

// A line has no Width or Height: the write fails with the platform's missing-member error.
void SetWidth(const Ref& c, double v) { writeNumber(c, "Width", v); }
void SetHeight(const Ref& c, double v) { writeNumber(c, "Height", v); }
void SetX1(const Ref& c, double v) { writeNumber(c, "X1", v); }
void SetX2(const Ref& c, double v) { writeNumber(c, "X2", v); }
void SetY1(const Ref& c, double v) { writeNumber(c, "Y1", v); }
void SetY2(const Ref& c, double v) { writeNumber(c, "Y2", v); }
void SetRowHeight(const Ref& c, double v) { writeNumber(c, "RowHeight", v); }
void SetDefColWidth(const Ref& c, double v) { writeNumber(c, "DefColWidth", v); }

void MoveToPosition(const Ref& c, double left, double top)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    Array args{Value(left), Value(top)};
    c->call("Move", args);
}

void MoveAndSize(const Ref& c, double left, double top, double width, double height)
{
    if (!c)
        throw Failure(err::ObjectRequired);
    Array args{Value(left), Value(top), Value(width), Value(height)};
    c->call("Move", args);
}

// --- probes that never fail ---
// They catch every exception, not only Failure: a probe answers for any host object.

bool HasVisible(const Ref& c)
{
    try {
        if (!c)
            return false;
        c->get("Visible");
        return true;
    } catch (...) {
        return false;
    }
}

bool IsAligned(const Ref& c)
{
    if (const auto* probe = dynamic_cast<const MemberProbe*>(c.get()); probe && probe->lacksMember("Align"))
        return false;
    try {
        return GetAlign(c) > 0;
    } catch (...) {
        return false;
    }
}

int32_t GetTabIndexOrNone(const Ref& c)
{
    try {
        if (!c)
            return -1;
        return c->get("TabIndex").toInt32();
    } catch (...) {
        return -1;
    }
}

void TrySetTabIndex(const Ref& c, int32_t index)
{
    try {
        if (c)
            c->set("TabIndex", Value(index));
    } catch (...) {
    }
}

Ref GetContainer(const Ref& c)
{
    try {
        if (!c)
            return nullptr;
        return c->get("Container").toObject();
    } catch (...) {
        return nullptr;
    }
}

bool IsChildOf(const Ref& container, const Ref& c)
{
    const Ref home = GetContainer(c);
    return home && sameObject(home, container);
}

int32_t GetContainerScaleMode(const Ref& c)
{
    try {
        const Ref home = GetContainer(c);
        if (!home)
            return scale::Twips;
        return home->get("ScaleMode").toInt32();
    } catch (...) {
        return scale::Twips;
    }
}

// --- unit conversions ---

double TwipsToUnits(double v, int32_t mode, double twipsPerPixel)
{
    switch (mode) {
    case scale::Points: return v / 20.0;
    case scale::Pixels:
        // The platform raises division by zero rather than handing back an infinity.
        if (twipsPerPixel == 0.0 || !std::isfinite(twipsPerPixel))
            throw Failure(err::DivisionByZero);
        return v / twipsPerPixel;
    case scale::Characters: return v / 240.0;
    case scale::Inches: return v / 1440.0;
    case scale::Millimeters: return v / 56.7;
    case scale::Centimeters: return v / 567.0;
    default: return v;
    }
}

namespace {

enum class Axis { X, Y };

// Twips per unit of a scale mode as the platform converts on the control's own surface. The
// platform counts a character as 120 twips wide and 240 high, and a millimetre exactly.
double twipsPerUnit(const Instance& inst, int32_t mode, Axis axis)
{
    switch (mode) {
    case scale::User:
    case scale::Twips: return 1.0;
    case scale::Points: return 20.0;
    case scale::Pixels: {
        const Ref form = inst.site.parent();
        const double tpp = axis == Axis::X ? inst.platform.twipsPerPixelX(form) : inst.platform.twipsPerPixelY(form);
        if (!(tpp > 0.0) || !std::isfinite(tpp))
            throw Failure(err::DivisionByZero);
        return tpp;
    }
    case scale::Characters: return axis == Axis::X ? 120.0 : 240.0;
    case scale::Inches: return 1440.0;
    case scale::Millimeters: return 1440.0 / 25.4;
    case scale::Centimeters: return 1440.0 / 2.54;
    default: throw Failure(err::InvalidCall);
    }
}

// The platform's conversion works in single precision; the result is widened again.
double single(double v)
{
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        throw Failure(err::Overflow);
    return static_cast<double>(static_cast<float>(v));
}

double toTwips(const Instance& inst, double v, int32_t mode, Axis axis)
{
    return single(single(v) * twipsPerUnit(inst, mode, axis));
}

double fromTwips(const Instance& inst, double v, int32_t mode, Axis axis)
{
    return single(single(v) / twipsPerUnit(inst, mode, axis));
}

} // namespace

double ToTwipsX(const Instance& inst, double v, int32_t mode) { return toTwips(inst, v, mode, Axis::X); }
double ToTwipsY(const Instance& inst, double v, int32_t mode) { return toTwips(inst, v, mode, Axis::Y); }
double FromTwipsX(const Instance& inst, double v, int32_t mode) { return fromTwips(inst, v, mode, Axis::X); }

// The vertical direction uses the stored screen value, not the platform's conversion.
double FromTwipsY(const Instance& inst, double v, int32_t mode) { return TwipsToUnits(v, mode, inst.TwipsPerPixelY); }

double PixelsToTwipsX(const Instance& inst, double v) { return toTwips(inst, v, scale::Pixels, Axis::X); }
double PixelsToTwipsY(const Instance& inst, double v) { return toTwips(inst, v, scale::Pixels, Axis::Y); }
double TwipsToPixelsX(const Instance& inst, double v) { return fromTwips(inst, v, scale::Pixels, Axis::X); }
double TwipsToPixelsY(const Instance& inst, double v) { return fromTwips(inst, v, scale::Pixels, Axis::Y); }

} // namespace kelvane
