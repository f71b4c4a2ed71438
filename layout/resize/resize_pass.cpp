#include "resize/resize.h"

#include "access/access.h"
#include "resize/engine.h"

#include <cmath>
#include <exception>

namespace kelvane {

namespace {

constexpr double kTolerance = 0.001;
constexpr int32_t kMinimized = 1;
constexpr int32_t kMaximized = 2;

// Cleared on every way out of a pass, so an arithmetic failure cannot leave the instance
// refusing every later pass.
class BusyScope final {
public:
    explicit BusyScope(Instance& inst)
        : m_inst(inst)
    {
        m_inst.ResizeBusy = true;
    }
    ~BusyScope() { m_inst.ResizeBusy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Instance& m_inst;
};

// The form's ClipControls is forced on while it changes and then put back as it was.
class ClipScope final {
public:
    explicit ClipScope(const Ref& form)
        : m_form(form)
    {
        m_known = ignored([&] { m_old = m_form->get("ClipControls"); });
        ignored([&] { m_form->set("ClipControls", Value(true)); });
    }
    ~ClipScope() { restore(); }
    void restore()
    {
        if (m_known)
            ignored([&] { m_form->set("ClipControls", m_old); });
        m_known = false;
    }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Ref m_form;
    Value m_old;
    bool m_known = false;
};

void raiseBegin(Instance& inst)
{
    if (inst.events)
        logged(inst, [&] { inst.events->BeginResize(); });
}

void raiseFinished(Instance& inst)
{
    if (inst.events)
        logged(inst, [&] { inst.events->FinishedResize(); });
}

// A ratio that would mirror or collapse the form is not applied.
void requirePositive(double ratio)
{
    if (!(ratio > 0))
        throw Failure(err::InvalidCall, "Available area is not positive");
}

bool changed(double ratio) { return std::fabs(ratio - 1) >= kTolerance; }

// Keeps the re-placed form inside the usable area. Both corrections are kept: moving it down
// must not undo moving it left.
void keepInsideWorkArea(Instance& inst, const Ref& form, const WorkArea& usable)
{
    const double left = GetLeft(form);
    const double top = GetTop(form);
    const double width = GetWidth(form);
    const double height = GetHeight(form);
    const int32_t mode = GetContainerScaleMode(form);
    const double areaLeft = FromTwipsX(inst, PixelsToTwipsX(inst, usable.left), mode);
    const double areaTop = FromTwipsY(inst, PixelsToTwipsY(inst, usable.top), mode);
    const double areaWidth = FromTwipsX(inst, PixelsToTwipsX(inst, usable.width), mode);
    const double areaHeight = FromTwipsY(inst, PixelsToTwipsY(inst, usable.height), mode);

    double newLeft = left;
    double newTop = top;
    if (left < areaLeft || areaLeft + areaWidth < left + width)
        newLeft = areaLeft;
    if (top < areaTop || areaTop + areaHeight < top + height)
        newTop = areaTop;
    if (newLeft != left || newTop != top)
        ignored([&] { MoveToPosition(form, newLeft, newTop); });
}

} // namespace

std::string currentFailureText()
{
    try {
        throw;
    } catch (const Failure& failure) {
        return failure.error().description.empty() ? standardDescription(failure.error().number) : failure.error().description;
    } catch (const std::exception& e) {
        return e.what()[0] ? e.what() : "Unknown error";
    } catch (...) {
        return "Unknown error";
    }
}

double checkedRatio(double num, double den)
{
    if (den == 0)
        throw Failure(num == 0 || std::isnan(num) ? err::Overflow : err::DivisionByZero);
    const double r = num / den;
    if (!std::isfinite(r))
        throw Failure(err::Overflow);
    return r;
}

WorkArea GetWorkArea(Instance& inst, const Ref& form)
{
    WorkArea area{0, 0, 100, 100};
    ignored([&] {
        if (auto queried = inst.platform.workArea(form))
            area = *queried;
    });
    // Keep the last good values when the screen reports none.
    ignored([&] {
        const double x = inst.platform.twipsPerPixelX(form);
        if (std::isfinite(x) && x > 0)
            inst.TwipsPerPixelX = x;
    });
    ignored([&] {
        const double y = inst.platform.twipsPerPixelY(form);
        if (std::isfinite(y) && y > 0)
            inst.TwipsPerPixelY = y;
    });
    return area;
}

void ScaleHostForm(Instance& inst, const Ref& form, double fx, double fy)
{
    ScaleControlFont(inst, form, fx, fy);
    logged(inst, [&] {
        const int32_t position = form->get("StartUpPosition").toInt32();
        const double left = GetLeft(form);
        const double top = GetTop(form);
        const double width = GetWidth(form);
        const double height = GetHeight(form);
        // A centred form keeps its centre on its first scaling.
        if ((position == 1 || position == 2) && !inst.FirstPassDone)
            MoveToPosition(form, left - (width * fx - width) / 2, top - (height * fy - height) / 2);
        else
            MoveToPosition(form, left * fx, top * fy);
    });
    logged(inst, [&] { SetWidth(form, GetWidth(form) * fx); });
    logged(inst, [&] { SetHeight(form, GetHeight(form) * fy); });
}

std::string ResizePass(Instance& inst)
{
    // Only a shown form, and never inside another pass.
    Ref form;
    ignored([&] { form = inst.site.parent(); });
    if (!form || inst.ResizeBusy)
        return {};
    bool visible = false;
    ignored([&] { visible = GetVisible(form); });
    if (!visible)
        return {};
    BusyScope busy(inst);
    PassContext pass{inst, form, {}, {}, false};

    inst.addLogLine("Resize***************");
    inst.HostInTwips = true;
    ignored([&] { inst.HostInTwips = GetContainerScaleMode(form) == scale::Twips; });
    const DisplayMetrics metrics = GetDisplayMetrics(inst);
    WorkArea usable = GetWorkArea(inst, form);

    if (!inst.FirstPassDone) {
        inst.LastWorkWidth = inst.DesignWidth;
        inst.LastWorkHeight = inst.DesignHeight;
    }
    if (!inst.ResizeForFixedTaskBar) {
        usable.width = metrics.screenWidth;
        usable.height = metrics.screenHeight;
    }
    if (!inst.FirstPassDone) {
        inst.PrevWorkWidth = inst.DesignWidth;
        inst.PrevWorkHeight = inst.DesignHeight;
    }

    // The host form's own factors.
    double workWidth = usable.width;
    double workHeight = usable.height;
    double fx = checkedRatio(workWidth, inst.PrevWorkWidth);
    double fy = checkedRatio(workHeight, inst.PrevWorkHeight);
    requirePositive(fx);
    requirePositive(fy);
    if (inst.KeepAspectRatio) {
        if (fx > fy) {
            fx = fy;
            workWidth = fy * inst.PrevWorkWidth;
        } else if (fx < fy) {
            fy = fx;
            workHeight = fx * inst.PrevWorkHeight;
        }
    }
    if (changed(fx) || changed(fy))
        inst.WorkAreaChanged = true;

    // Re-place the host form unless the user maximized or minimized it.
    int32_t state = 0;
    ignored([&] { state = form->get("WindowState").toInt32(); });
    if (state != kMaximized && state != kMinimized && inst.WorkAreaChanged) {
        ClipScope clip(form);
        try {
            ScaleHostForm(inst, form, fx, fy);
        } catch (...) {
            if (IsDevelopmentMode(inst))
                throw;
        }
        keepInsideWorkArea(inst, form, usable);
        inst.PrevWorkWidth = workWidth;
        inst.PrevWorkHeight = workHeight;
        inst.WorkAreaChanged = false;
        clip.restore();
    }

    // The children are indexed by container once; every later lookup of the pass uses it.
    pass.index.build(form);
    const ControlList& children = pass.index.children(form);
    HostOverhead overhead = MeasureHostOverhead(inst, form, children);
    if (!inst.AccountForAlignedControls) {
        const bool formMenu = overhead.form.menu;
        const bool mdiMenu = overhead.mdiParent.menu;
        overhead.form = {};
        overhead.mdiParent = {};
        overhead.form.menu = formMenu;
        overhead.mdiParent.menu = mdiMenu;
    }
    const double mdiHorizontal = overhead.mdiChild ? overhead.mdiParent.horizontal : 0;
    const double mdiVertical = overhead.mdiChild ? overhead.mdiParent.vertical : 0;

    // The design-time available client area.
    if (!inst.FirstPassDone) {
        inst.DesignAvailHeight = inst.DesignHeight - 8 - overhead.form.vertical - 2 * inst.DesignBorderWidth -
            inst.DesignCaptionHeight - (overhead.menu ? inst.DesignMenuHeight : 0) - mdiVertical;
        inst.DesignAvailWidth = inst.DesignWidth - 6 - overhead.form.horizontal - 2 * inst.DesignBorderWidth - mdiHorizontal;
        inst.PrevScrollWidth = inst.DesignScrollWidth;
        inst.PrevAvailWidth = inst.DesignAvailWidth;
        inst.PrevAvailHeight = inst.DesignAvailHeight;
    }

    // The available client area now, and the ratios.
    double availWidth = workWidth - 6 - overhead.form.horizontal - 2 * metrics.borderWidth - mdiHorizontal;
    double availHeight = workHeight - 8 - 2 * metrics.borderWidth - metrics.captionHeight -
        (overhead.menu ? metrics.menuHeight : 0) - overhead.form.vertical - mdiVertical;
    double wr = checkedRatio(availWidth, inst.PrevAvailWidth);
    double hr = checkedRatio(availHeight, inst.PrevAvailHeight);
    requirePositive(wr);
    requirePositive(hr);
    if (inst.KeepAspectRatio) {
        if (wr > hr) {
            wr = hr;
            availWidth = wr * inst.PrevAvailWidth;
        }
        if (hr > wr) {
            hr = wr;
            availHeight = hr * inst.PrevAvailHeight;
        }
    }
    inst.WidthRatioUsed = wr;
    inst.HeightRatioUsed = hr;
    inst.WidthRatio = checkedRatio(availWidth, inst.DesignAvailWidth);
    inst.HeightRatio = checkedRatio(availHeight, inst.DesignAvailHeight);

    // Frames thinner than at design time on an unchanged screen: leave the controls.
    const bool skip = workWidth == inst.LastWorkWidth && workHeight == inst.LastWorkHeight &&
        inst.DesignCaptionHeight + inst.DesignMenuHeight + inst.DesignBorderWidth >
            metrics.captionHeight + metrics.menuHeight + metrics.borderWidth;

    // The controls move only when a ratio moved by a thousandth or more.
    bool resized = false;
    if ((changed(wr) || changed(hr)) && !skip) {
        const double offsetX = inst.AccountForAlignedControls ? PixelsToTwipsX(inst, overhead.form.left) : 0;
        const double offsetY = inst.AccountForAlignedControls ? PixelsToTwipsY(inst, overhead.form.top) : 0;
        raiseBegin(inst);
        {
            ClipScope clip(form);
            // Every child filed under the form has the form as its container.
            const Home home = HomeOf(form);
            if (inst.ResizeContainedByToolbar || !IsAligned(form)) {
                for (const Ref& child : children)
                    ignored([&] {
                        ResizeControlTree(pass, child, inst.PrevScrollWidth, metrics.scrollWidth, offsetX, offsetY, wr, hr,
                                          &home);
                    });
            }
            inst.PrevAvailWidth = availWidth;
            inst.PrevAvailHeight = availHeight;
            inst.PrevScrollWidth = metrics.scrollWidth;
        }
        ignored([&] {
            Array none;
            form->call("Refresh", none);
        });
        ignored([&] { inst.platform.processEvents(); });
        raiseFinished(inst);
        resized = true;
    }

    inst.LastWorkWidth = workWidth;
    inst.LastWorkHeight = workHeight;
    if (!inst.FirstPassDone && !resized) {
        raiseBegin(inst);
        raiseFinished(inst);
    }
    inst.FirstPassDone = true;
    return inst.ErrorLog;
}

std::string HandleResizeRequest(Instance& inst)
{
    ignored([&] { inst.site.setVisible(false); });
    const bool startup = !inst.StartupDone;
    inst.StartupDone = true;
    ignored([&] { inst.frmParent = inst.site.parent(); });

    const bool run = startup ? inst.ResizeAtStartUp : inst.ResizeOnChange;
    if (!run)
        return {};
    try {
        return ResizePass(inst);
    } catch (...) {
        // A pass that ended early still reports why, instead of looking like a quiet success.
        inst.addLogLine(currentFailureText());
        return inst.ErrorLog;
    }
}

} // namespace kelvane
