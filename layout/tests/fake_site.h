#pragma once
// A scripted platform and component site for engine and tool tests.
#include <kelvaneuc/host.h>

#include <string>
#include <vector>

namespace kelvane::testing {

class FakePlatform final : public Platform {
public:
    uint32_t tickCount() override { return ticks; }
    void sleep(uint32_t milliseconds) override
    {
        ticks += milliseconds;
        sleeps.push_back(milliseconds);
    }
    DisplayMetrics displayMetrics(const Ref&) override { return metrics; }
    std::optional<WorkArea> workArea(const Ref&) override { return work; }
    double twipsPerPixelX(const Ref&) override { return tppX; }
    double twipsPerPixelY(const Ref&) override { return tppY; }
    void processEvents() override { ++eventRuns; }
    bool developmentMode() const override { return development; }
    std::vector<Ref> openForms() override { return forms; }

    uint32_t ticks = 0;
    std::vector<uint32_t> sleeps;
    DisplayMetrics metrics{1024, 768, 1, 25, 19, 17};
    std::optional<WorkArea> work = WorkArea{0, 0, 1024, 768};
    double tppX = 15;
    double tppY = 15;
    int eventRuns = 0;
    bool development = false;
    std::vector<Ref> forms;
};

class FakeSite final : public Site {
public:
    Platform& platform() override { return fakePlatform; }
    bool userMode() const override { return runMode; }
    Ref parent() override { return form; }
    void setVisible(bool v) override { visible = v; }
    std::string name() const override { return "KelvaneUC1"; }
    Ref self() override { return selfControl; }
    void propertyChanged(std::string_view property) override { changed.emplace_back(property); }
    double width() const override { return w; }
    double height() const override { return h; }
    void setWidth(double twips) override { w = twips; }
    void setHeight(double twips) override { h = twips; }
    void showFace(const std::string& caption, double width, double height) override
    {
        faceCaption = caption;
        faceWidth = width;
        faceHeight = height;
    }

    FakePlatform fakePlatform;
    bool runMode = true;
    Ref form;
    Ref selfControl;
    bool visible = true;
    std::vector<std::string> changed;
    double w = 1000, h = 500;
    std::string faceCaption;
    double faceWidth = 0, faceHeight = 0;
};

} // namespace kelvane::testing
