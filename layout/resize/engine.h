#pragma once
// The resize engine's inner steps, shared by its source files and reached by its tests.
// Nothing here throws out of a pass: each step traps, logs or ignores as the engine decides.
#include "control/instance.h"

#include <kelvaneuc/value.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace kelvane {

// Bounds that keep a pass finite on any host: nesting depth of containers and the inner
// dimensions of grids and tabbed dialogs that are walked item by item.
constexpr int kMaxNesting = 256;
constexpr int32_t kMaxGridLines = 1 << 16; // rows or columns of one grid
constexpr int64_t kMaxGridCells = 1 << 20; // cells whose fonts are recorded one by one
constexpr int32_t kMaxTabs = 1024;
constexpr int32_t kMaxColumns = 1 << 16; // columns of a bound grid

// The form's controls grouped by container, in collection order: one walk of the Controls
// collection per pass instead of one per container. A group equals what GetChildren returns
// for that container with no exceptions (without the empty-list marker).
class ChildIndex final {
public:
    void build(const Ref& form);
    const ControlList& children(const Ref& container) const;
    std::size_t size() const { return m_groups.size(); }

private:
    std::unordered_map<const void*, ControlList> m_groups;
    ControlList m_none;
};

// What one pass carries from control to control.
struct PassContext {
    Instance& inst;
    Ref form;
    ChildIndex index;
    std::unordered_set<const void*> visited; // no control is scaled twice in one pass
    bool depthLogged = false;
};

// Edge-aligned space of a container, pixels.
struct AlignedSpace {
    double left = 0;
    double top = 0;
    double horizontal = 0;
    double vertical = 0;
    bool menu = false;
};

struct HostOverhead {
    AlignedSpace form;
    AlignedSpace mdiParent;
    bool menu = false;
    bool mdiChild = false;
};

// --- the pass ---
std::string ResizePass(Instance& inst);
WorkArea GetWorkArea(Instance& inst, const Ref& form);
void ScaleHostForm(Instance& inst, const Ref& form, double fx, double fy);
// The container a control was filed under, and that container's scale mode: known from the
// index, so a walk need not ask every child for its container again.
struct Home {
    Ref container;
    int32_t scaleMode = 1;
};
Home HomeOf(const Ref& container); // Twips when the container has no ScaleMode
// home: where the walk found the control; without it the control is asked.
void ResizeControlTree(PassContext& pass, const Ref& control, double prevScroll, double curScroll, double offsetX, double offsetY,
                       double wr, double hr, const Home* home = nullptr, int depth = 0);
AlignedSpace MeasureAlignedSpace(Instance& inst, const Ref& container, const ControlList& children);
HostOverhead MeasureHostOverhead(Instance& inst, const Ref& form, const ControlList& children);

// num / den as the platform divides: a zero divisor or a result out of range is a Failure.
double checkedRatio(double num, double den);

// --- per kind ---
void ResizeOneControl(Instance& inst, const Ref& control, double wr, double hr, double ox, double oy);
void ResizeGeneric(Instance& inst, const Ref& control, double wr, double hr);
void ResizePictureBox(Instance& inst, const Ref& control, double wr, double hr);
void ResizeImage(Instance& inst, const Ref& control, double wr, double hr);
void ResizeLine(Instance& inst, const Ref& control, double wr, double hr, double ox, double oy);
void ResizeBoundGrid(Instance& inst, const Ref& control, double wr, double hr);
void ResizeTabStrip(Instance& inst, const Ref& control, double wr, double hr);
void ResizeTabbedDialog(Instance& inst, const Ref& control, double wr, double hr);
void ResizeFlexGrid(Instance& inst, const Ref& control, double wr, double hr);

// --- fonts ---
void ScaleControlFont(Instance& inst, const Ref& control, double wr, double hr);
void ScaleFontObject(const Ref& font, double factor);
void ScaleHeadFont(Instance& inst, const Ref& control, double wr, double hr);
void ScaleCellFont(Instance& inst, const Ref& grid, double wr, double hr);

// --- trapping ---
// The description of the exception in flight (call inside a catch block).
std::string currentFailureText();

// Runs f; a failure becomes a log line and false.
template <class F> bool logged(Instance& inst, F&& f)
{
    try {
        f();
        return true;
    } catch (...) {
        inst.addLogLine(currentFailureText());
        return false;
    }
}

// Runs f; a failure is dropped.
template <class F> bool ignored(F&& f)
{
    try {
        f();
        return true;
    } catch (...) {
        return false;
    }
}

inline double smallerRatio(double wr, double hr) { return hr <= wr ? hr : wr; }
std::string lowerCase(std::string_view text);
std::string numberText(double v); // shortest general decimal form

} // namespace kelvane
