#pragma once
// A host form on the design screen of the drill windows (1024 x 768, caption 25, menu 19,
// border 1, scroll 17) with a 1024 x 738 work area, and a recorder for the control's events.
#include "fake_host.h"
#include "fake_site.h"

#include "control/instance.h"
#include "resize/engine.h"

#include <kelvaneuc/kelvaneuc.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kelvane::testing {

class EventRecorder final : public Events {
public:
    void BeforeResize(const Ref& control, double, double, bool& cancel) override
    {
        seen.push_back("Before:" + control->get("Name").toString());
        if (onBefore)
            onBefore(control, cancel);
    }
    void AfterResize(const Ref& control, double, double) override
    {
        seen.push_back("After:" + control->get("Name").toString());
        if (onAfter)
            onAfter(control);
    }
    void FinishedResize() override { seen.push_back("Finished"); }
    void BeginResize() override
    {
        seen.push_back("Begin");
        if (onBegin)
            onBegin();
    }

    std::vector<std::string> seen;
    std::function<void(const Ref&, bool&)> onBefore;
    std::function<void(const Ref&)> onAfter;
    std::function<void()> onBegin;
};

class ResizeFixture : public ::testing::Test {
protected:
    ResizeFixture()
    {
        site.form = form.ref();
        inst.ResizeOnChange = true;
        inst.ResizeAtStartUp = true;
        inst.AccountForAlignedControls = true;
        inst.KeepAspectRatio = true;
        inst.ResizeForFixedTaskBar = true;
        inst.ResizeContainedByToolbar = false;
        inst.DesignWidth = 1024;
        inst.DesignHeight = 768;
        inst.DesignBorderWidth = 1;
        inst.DesignCaptionHeight = 25;
        inst.DesignMenuHeight = 19;
        inst.DesignScrollWidth = 17;
        platform().metrics = {1024, 768, 1, 25, 19, 17};
        platform().work = WorkArea{0, 0, 1024, 738};
    }

    FakePlatform& platform() { return site.fakePlatform; }
    // The screen the form now runs on, whole (the work area is then not used).
    void useScreen(double width, double height)
    {
        inst.ResizeForFixedTaskBar = false;
        platform().metrics.screenWidth = width;
        platform().metrics.screenHeight = height;
    }
    int logLines(std::string_view needle) const
    {
        int n = 0;
        for (std::size_t at = inst.ErrorLog.find(needle); at != std::string::npos; at = inst.ErrorLog.find(needle, at + 1))
            ++n;
        return n;
    }

    FakeForm form;
    FakeSite site;
    EventRecorder events;
    KelvaneUC uc{site, &events};
    Instance& inst = uc.instance();
};

} // namespace kelvane::testing
