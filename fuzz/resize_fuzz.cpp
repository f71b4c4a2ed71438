// Resize passes over random control trees on the fake host, with random settings, screens,
// event handlers and member failures. A pass must never throw, never leave the instance busy,
// and every log line must keep its form.
#include "fake_host.h"
#include "fake_site.h"

#include "control/instance.h"

#include <kelvaneuc/kelvaneuc.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

using namespace kelvane;
using namespace kelvane::testing;

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    std::uint8_t next() { return m_at < m_size ? m_data[m_at++] : 0; }
    bool flag() { return next() & 1; }
    template <class T, std::size_t N> const T& pick(const std::array<T, N>& from) { return from[next() % N]; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

constexpr std::array<const char*, 23> kTypes{"TextBox", "Label",    "CommandButton", "Frame",        "PictureBox", "Image",
                                             "Line",    "Timer",    "CommonDialog",  "SysInfo",      "Menu",       "Toolbar",
                                             "DBGrid",  "DataGrid", "MSFlexGrid",    "MSHFlexGrid",  "TabStrip",   "SSTab",
                                             "Data",    "ListBox",  "ComboBox",      "OptionButton", "Frame"};

constexpr std::array<const char*, 40> kMembers{
    "Left",     "Top",          "Width",       "Height",    "Visible",      "Container",    "Move",          "Font",
    "FontSize", "FontName",     "Align",       "Name",      "Tab",          "Tabs",         "Row",           "Col",
    "RowSel",   "ColSel",       "RowHeight",   "ColWidth",  "CellFontName", "CellFontSize", "CellFontWidth", "ScaleMode",
    "Stretch",  "X1",           "Y2",          "Columns",   "WindowState",  "ClipControls", "Refresh",       "StartUpPosition",
    "AutoSize", "PaintPicture", "TabMaxWidth", "TabHeight", "HeadFont",     "RowHeightMin", "ScrollBars",    "MDIChild"};

constexpr std::array<double, 10> kPositions{0, 100, 1500, 9000, -200, -80000, 30000, 1e9, 1e12, 0.5};
constexpr std::array<double, 9> kDesign{1024, 768, 800, 600, 0, 1, -5, 25, 4000};
constexpr std::array<double, 9> kScreen{1024, 768, 738, 1280, 0, 100, 30, -10, 1e7};
constexpr std::array<double, 6> kMetric{0, 1, 17, 19, 25, 400};
constexpr std::array<double, 5> kTwips{15, 12, 0, -3, 1440};

class FuzzEvents final : public Events {
public:
    FuzzEvents(KelvaneUC& uc, std::uint8_t mode)
        : m_uc(uc)
        , m_mode(mode)
    {
    }
    void BeforeResize(const Ref&, double, double, bool& cancel) override
    {
        if (m_mode & 1)
            throw Failure(err::InvalidCall, "handler failed");
        if (m_mode & 2)
            cancel = !cancel;
        if ((m_mode & 4) && !m_uc.Resize().empty())
            fail("a nested pass ran");
    }
    void AfterResize(const Ref&, double, double) override
    {
        if (m_mode & 8)
            throw std::runtime_error("after failed");
    }
    void BeginResize() override
    {
        if (m_mode & 16)
            throw 42; // not even an exception type
    }
    void FinishedResize() override {}

    [[noreturn]] static void fail(const char* why)
    {
        std::fprintf(stderr, "resize_fuzz: %s\n", why);
        std::abort();
    }

private:
    KelvaneUC& m_uc;
    std::uint8_t m_mode;
};

// "Name=" + 12 characters + ", TypeName=" + kind + ", Err=" + a message.
void checkLog(const std::string& log)
{
    std::size_t start = 0;
    while (start <= log.size() && !log.empty()) {
        const std::size_t end = log.find("\r\n", start);
        const std::string line = log.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.compare(0, 5, "Name=") != 0 || line.size() < 28 || line.compare(17, 11, ", TypeName=") != 0)
            FuzzEvents::fail(("malformed log line: " + line).c_str());
        const std::size_t err = line.find(", Err=", 28);
        if (err == std::string::npos || err + 6 >= line.size())
            FuzzEvents::fail(("log line without a message: " + line).c_str());
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
}

void build(Bytes& in, FakeForm& form)
{
    form->define("WindowState", static_cast<int32_t>(in.next() % 3));
    form->define("StartUpPosition", static_cast<int32_t>(in.next() % 4));
    form->define("Visible", in.next() % 8 != 0);
    std::vector<FakeRef> containers;
    const int count = in.next() % 41;
    for (int i = 0; i < count; ++i) {
        const std::string type = in.pick(kTypes);
        const Box box{in.pick(kPositions), in.pick(kPositions), std::fabs(in.pick(kPositions)), std::fabs(in.pick(kPositions))};
        FakeRef container;
        if (!containers.empty() && in.flag())
            container = containers[in.next() % containers.size()];
        const int32_t page = static_cast<int32_t>(in.next() % 3);
        FakeRef c = type == "Line" ? form.addLine("C" + std::to_string(i), box.left, box.top, box.width, box.height, container)
                                   : form.add(type, "C" + std::to_string(i), box, container, page);
        if (type == "Frame" || type == "PictureBox" || type == "SSTab" || type == "Toolbar")
            containers.push_back(c);
        if (type == "PictureBox" || type == "Data")
            c->define("Align", static_cast<int32_t>(in.next() % 6));
        if (type == "Image")
            c->define("Stretch", in.flag());
        if (type == "PictureBox")
            c->define("AutoSize", in.flag());
        if (type == "MSFlexGrid" || type == "MSHFlexGrid") {
            c->setRows(std::vector<double>(in.next() % 4, 240));
            c->setCols(std::vector<double>(in.next() % 4, 960));
            c->defineCell("CellFontSize", 0, 0, 12.0);
        }
        if (type == "DBGrid" || type == "DataGrid")
            c->addColumns(std::vector<double>(in.next() % 4, 1000));
    }
    // Failures on random members of random controls (or the form), now or after a few accesses.
    const int faults = in.next() % 6;
    for (int i = 0; i < faults && !form.controls().empty(); ++i) {
        const std::uint8_t who = in.next();
        const FakeRef& target = who % 5 == 0 ? form.form() : form.controls()[who % form.controls().size()];
        const std::uint8_t how = in.next();
        target->inject(in.pick(kMembers),
                       {.error = makeError(how & 8 ? err::Overflow : err::MissingMember),
                        .onGet = (how & 1) != 0,
                        .onSet = (how & 2) != 0,
                        .onCall = (how & 4) != 0,
                        .after = (how >> 4) % 4,
                        .times = how & 64 ? 1 : -1});
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes in(data, size);
    FakeForm form;
    FakeSite site;
    site.form = form.ref();
    KelvaneUC uc(site);
    FuzzEvents events(uc, in.next());
    uc.setEvents(&events);
    Instance& inst = uc.instance();

    const std::uint8_t settings = in.next();
    inst.ResizeOnChange = settings & 1;
    inst.ResizeAtStartUp = (settings & 2) || (settings & 0x80);
    inst.AccountForAlignedControls = settings & 4;
    inst.KeepAspectRatio = settings & 8;
    inst.ResizeForFixedTaskBar = settings & 16;
    inst.ResizeContainedByToolbar = settings & 32;
    inst.DesignWidth = in.pick(kDesign);
    inst.DesignHeight = in.pick(kDesign);
    inst.DesignBorderWidth = in.pick(kMetric);
    inst.DesignCaptionHeight = in.pick(kMetric);
    inst.DesignMenuHeight = in.pick(kMetric);
    inst.DesignScrollWidth = in.pick(kMetric);
    build(in, form);

    FakePlatform& platform = site.fakePlatform;
    const int passes = 1 + in.next() % 3;
    for (int pass = 0; pass < passes; ++pass) {
        platform.metrics = {in.pick(kScreen), in.pick(kScreen), in.pick(kMetric),
                            in.pick(kMetric), in.pick(kMetric), in.pick(kMetric)};
        if (in.next() % 7 == 0)
            platform.work.reset();
        else
            platform.work = WorkArea{0, 0, in.pick(kScreen), in.pick(kScreen)};
        platform.tppX = in.pick(kTwips);
        platform.tppY = in.pick(kTwips);
        try {
            (void)uc.Resize();
        } catch (...) {
            FuzzEvents::fail("a pass threw");
        }
        if (inst.ResizeBusy)
            FuzzEvents::fail("a pass left the instance busy");
        checkLog(inst.ErrorLog);
    }
    return 0;
}
