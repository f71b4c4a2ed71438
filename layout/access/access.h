#pragma once
// The one layer through which the library touches a host control: geometry with the line
// end-point model, probes that never fail, unit conversions, control lists.
// Unless said otherwise a failed access throws Failure to the public member that called it.
#include "control/instance.h"

#include <kelvaneuc/value.h>

#include <cstdint>
#include <functional>
#include <string>

namespace kelvane {

// Scale modes.
namespace scale {
constexpr int32_t User = 0, Twips = 1, Points = 2, Pixels = 3, Characters = 4, Inches = 5, Millimeters = 6, Centimeters = 7;
}

// --- lists ---
ControlList emptyList();
bool isEmptyList(const ControlList& list); // element 0 is the empty reference (or no element)
Array toArray(const ControlList& list);    // as the public tools return it

// --- plain accessors ---
std::string GetKind(const Ref& c); // lower-cased type name
bool IsForm(const Ref& x);         // a form or an MDI parent form
bool GetVisible(const Ref& c);
int32_t GetAlign(const Ref& c);
bool IsMdiChild(const Ref& form);
bool IsMdiForm(const Ref& x);
Ref GetParent(const Ref& c);
int32_t GetCount(const Ref& collection);
Ref GetItem(const Ref& collection, int32_t index); // the collection's default item access
bool IsSameObject(const Ref& a, const Ref& b);

// --- geometry readers (lines report through their end points) ---
double GetLeft(const Ref& c);
double GetTop(const Ref& c);
double GetWidth(const Ref& c);
double GetHeight(const Ref& c);
double GetRight(const Ref& c);
double GetBottom(const Ref& c);
double GetX1(const Ref& c);
double GetX2(const Ref& c);
double GetY1(const Ref& c);
double GetY2(const Ref& c);
double GetInnerWidth(const Ref& c);  // never fails: ScaleWidth, else Width, else 0
double GetInnerHeight(const Ref& c); // never fails
double GetFontSize(const Ref& c);
double GetRowHeight(const Ref& c);
double GetDefColWidth(const Ref& c);

// --- geometry writers ---
void SetLeft(const Ref& c, double v);
void SetTop(const Ref& c, double v);
void SetRight(const Ref& c, double v);
void SetBottom(const Ref& c, double v);
void SetWidth(const Ref& c, double v);
void SetHeight(const Ref& c, double v);
void SetX1(const Ref& c, double v);
void SetX2(const Ref& c, double v);
void SetY1(const Ref& c, double v);
void SetY2(const Ref& c, double v);
void SetRowHeight(const Ref& c, double v);
void SetDefColWidth(const Ref& c, double v);
void MoveToPosition(const Ref& c, double left, double top);
void MoveAndSize(const Ref& c, double left, double top, double width, double height);

// --- probes that never fail ---
// An object that can tell, without a failed access, that it lacks a member. The pass asks every
// control for its alignment and most have none; a failure each time would cost more than the
// rest of the control's share of the pass. Answers true only when sure.
class MemberProbe {
public:
    virtual bool lacksMember(std::string_view member) const = 0;

protected:
    ~MemberProbe() = default;
};

// An object that can put back exactly how it looks after a passing change (the tab-order
// display's colours): what it set itself and what it inherited, which a colour read and written
// back cannot tell apart. keepLook() returns what restores it; call it at most once.
class LookKeeper {
public:
    virtual std::function<void()> keepLook() = 0;

protected:
    ~LookKeeper() = default;
};

bool HasVisible(const Ref& c);
bool IsAligned(const Ref& c);
int32_t GetTabIndexOrNone(const Ref& c);
void TrySetTabIndex(const Ref& c, int32_t index);
Ref GetContainer(const Ref& c);
bool IsChildOf(const Ref& container, const Ref& c);
int32_t GetContainerScaleMode(const Ref& c);

// --- unit conversions ---
double TwipsToUnits(double v, int32_t mode, double twipsPerPixel);
double ToTwipsX(const Instance& inst, double v, int32_t mode);
double ToTwipsY(const Instance& inst, double v, int32_t mode);
double FromTwipsX(const Instance& inst, double v, int32_t mode);
double FromTwipsY(const Instance& inst, double v, int32_t mode);
double PixelsToTwipsX(const Instance& inst, double v);
double PixelsToTwipsY(const Instance& inst, double v);
double TwipsToPixelsX(const Instance& inst, double v);
double TwipsToPixelsY(const Instance& inst, double v);

// --- lists and collections ---
ControlList FlattenControlList(const Array& args); // err::ObjectRequired for a non-object element
Ref GetCommonContainer(const Instance& inst, const ControlList& list);
bool IsInList(const Ref& c, const ControlList& list);
Ref GetHostControls(const Ref& x); // the Controls collection of x, or of x's Parent
ControlList GetControlsExcept(const Ref& x, const ControlList& except);
ControlList GetChildren(const Instance& inst, const Ref& container, const ControlList& except);

// --- other helpers ---
bool IsDevelopmentMode(const Instance& inst);
void WaitMilliseconds(Instance& inst, int32_t ms);
DisplayMetrics GetDisplayMetrics(Instance& inst);

// Runs f and turns a Failure (or any exception) into the Error of a public member.
template <class F> auto guarded(F&& f) -> decltype(f());

} // namespace kelvane

#include "access/guarded.inl"
