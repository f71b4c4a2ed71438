#pragma once
// The system queries of the layout control answered by Qt: screens, frame metrics, ticks.
#include <kelvaneuc/host.h>

class QWidget;

namespace kelvane::qt {

// Fixed when the library is built; the delivered library is never in development mode.
#ifdef KELVANE_DEVELOPMENT_MODE
inline constexpr bool kDevelopmentMode = true;
#else
inline constexpr bool kDevelopmentMode = false;
#endif

class QtPlatform final : public Platform {
public:
    uint32_t tickCount() override;
    void sleep(uint32_t milliseconds) override;
    DisplayMetrics displayMetrics(const Ref& form) override;
    std::optional<WorkArea> workArea(const Ref& form) override;
    double twipsPerPixelX(const Ref& form) override;
    double twipsPerPixelY(const Ref& form) override;
    void processEvents() override;
    bool developmentMode() const override { return kDevelopmentMode; }
    std::vector<Ref> openForms() override;
};

// The metrics of the screen a window is on (the primary screen for null).
DisplayMetrics displayMetricsOf(const QWidget* window);

} // namespace kelvane::qt
