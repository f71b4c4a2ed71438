// Fuzz target for the stored-property reader: a property bag of arbitrary keys (the real ones in
// any letter case, near misses, any bytes) and arbitrary values (numbers of every size, NaN and
// infinities, numeric and other texts, objects, arrays) read in run and design mode. Reading
// never fails, each setting comes out as the readable stored value or its default, design
// metrics stay finite, a save stores only what differs from the defaults and reads back the
// same, and a resize pass over what was read neither throws nor leaves geometry that is not a
// number. Builds as a libFuzzer target with clang -fsanitize=fuzzer, or with bounded_driver.cpp.
#include "fake_host.h"
#include "fake_site.h"
#include "fuzz_input.h"

#include "control/instance.h"

#include <kelvaneuc/kelvaneuc.h>

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace kelvane;
using namespace kelvane::testing;
using fuzzing::Input;

struct MetricKey {
    std::string_view key;
    double defaultValue;
    double Instance::*field;
};
constexpr std::array<MetricKey, 6> kMetrics = {{
    {"DesignWidth", 800, &Instance::DesignWidth},
    {"DesignHeight", 600, &Instance::DesignHeight},
    {"DesignBorderWidth", 1, &Instance::DesignBorderWidth},
    {"DesignCaptionHeight", 18, &Instance::DesignCaptionHeight},
    {"DesignMenuHeight", 18, &Instance::DesignMenuHeight},
    {"DesignScrollWidth", 16, &Instance::DesignScrollWidth},
}};

struct BoolKey {
    std::string_view key;
    bool defaultValue;
    bool Instance::*field;
};
constexpr std::array<BoolKey, 7> kBools = {{
    {"AccountForAlignedControls", true, &Instance::AccountForAlignedControls},
    {"KeepAspectRatio", true, &Instance::KeepAspectRatio},
    {"ResizeOnChange", true, &Instance::ResizeOnChange},
    {"ResizeAtStartUp", true, &Instance::ResizeAtStartUp},
    {"ResizeForFixedTaskBar", true, &Instance::ResizeForFixedTaskBar},
    {"ResizeForOverhead", true, &Instance::ResizeForOverhead},
    {"ResizeContainedByToolbar", false, &Instance::ResizeContainedByToolbar},
}};

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "properties_fuzz: %s\n", what.c_str());
    std::abort();
}

std::string anyKey(Input& in)
{
    const std::uint8_t pick = in.byte();
    if (pick >= 224)
        return in.text(30);
    std::string key(pick % 2 ? kMetrics[pick / 2 % kMetrics.size()].key : kBools[pick / 2 % kBools.size()].key);
    const std::uint8_t form = in.byte();
    if (form & 1)
        for (char& c : key)
            c = static_cast<char>((in.byte() & 1) ? std::toupper(static_cast<unsigned char>(c))
                                                  : std::tolower(static_cast<unsigned char>(c)));
    if ((form & 6) == 6)
        key.pop_back();
    if ((form & 24) == 24)
        key += ' ';
    return key;
}

std::string numericText(Input& in)
{
    static constexpr const char* texts[] = {"1024", " 768",  "-5",    "0", "1e308", "1e309", "-1e309",   "nan",  "inf",
                                            "True", "false", "12abc", "",  "  ",    "0x10",  "1.5e-320", "&H10", "3,5"};
    const std::uint8_t pick = in.byte();
    if (pick < 200)
        return texts[pick % std::size(texts)];
    return in.text(24);
}

Value anyValue(Input& in, const Ref& object, int depth)
{
    switch (in.byte() % 10) {
    case 0: return Value();
    case 1: return Value((in.byte() & 1) != 0);
    case 2: return Value(static_cast<int32_t>(in.u32()));
    case 3: return Value(static_cast<int32_t>(in.byte()) * 8 - 200);
    case 4:
    case 5: return Value(in.f64());
    case 6: return Value(numericText(in));
    case 7: return Value(object);
    case 8: return Value(Ref());
    default: {
        Array a;
        const std::size_t n = depth < 2 ? in.byte() % 4 : 0;
        for (std::size_t i = 0; i < n; ++i)
            a.push_back(anyValue(in, object, depth + 1));
        return Value(std::move(a));
    }
    }
}

// What a reader must make of one stored value: the value when it reads as the field's type
// (a finite number for a metric), otherwise the default.
double expectedMetric(const MemoryPropertyBag& bag, const MetricKey& k)
{
    const std::optional<Value> v = bag.find(k.key);
    if (!v)
        return k.defaultValue;
    try {
        const double d = v->toDouble();
        return std::isfinite(d) ? d : k.defaultValue;
    } catch (...) {
        return k.defaultValue;
    }
}

bool expectedBool(const MemoryPropertyBag& bag, const BoolKey& k)
{
    const std::optional<Value> v = bag.find(k.key);
    if (!v)
        return k.defaultValue;
    try {
        return v->toBool();
    } catch (...) {
        return k.defaultValue;
    }
}

// Lines "Name=" + 12 characters + ", TypeName=" + kind + ", Err=" + message, joined by CR LF.
void checkLog(const std::string& log)
{
    std::size_t from = 0;
    while (from <= log.size() && !log.empty()) {
        const std::size_t end = log.find("\r\n", from);
        const std::string line = log.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (line.rfind("Name=", 0) != 0 || line.size() < 17 + 11 || line.compare(17, 11, ", TypeName=") != 0)
            fail("log line out of form: " + line);
        const std::size_t err = line.find(", Err=", 28);
        if (err == std::string::npos || err + 6 >= line.size())
            fail("log line without a message: " + line);
        if (end == std::string::npos)
            break;
        from = end + 2;
    }
}

bool sameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    FakeForm form;
    form.add("CommandButton", "Start", {.left = 600, .top = 600, .width = 1200, .height = 400});
    form.add("Label", "Label1", {.left = 2000, .top = 600, .width = 1500, .height = 300});
    FakeSite site;
    site.form = form.ref();
    site.fakePlatform.forms = {form.ref()};
    site.runMode = (in.byte() % 4) != 0;
    // Any screen a platform may report, tiny ones included.
    if (in.byte() % 4 == 0) {
        const auto pixels = [&in](int scale) { return static_cast<double>(in.byte()) * scale; };
        site.fakePlatform.metrics = {pixels(16), pixels(16), pixels(1) / 16, pixels(1) / 4, pixels(1) / 4, pixels(1) / 4};
        site.fakePlatform.work = WorkArea{0, 0, pixels(16), pixels(16)};
    }

    MemoryPropertyBag bag;
    const std::size_t entries = in.byte() % 20;
    for (std::size_t i = 0; i < entries; ++i) {
        const std::string key = anyKey(in);
        // A default no value equals, so every entry is stored.
        bag.write(key, anyValue(in, form.ref(), 0), Value(std::string("\x01never")));
    }

    KelvaneUC control(site);
    Instance& inst = control.instance();
    const Result<> read = control.ReadProperties(bag);
    if (!read)
        fail("reading failed: " + read.error().description);

    for (const auto& k : kMetrics) {
        const double got = inst.*k.field;
        if (!std::isfinite(got) && site.runMode)
            fail(std::string(k.key) + " is not a finite number");
        const double want = site.runMode ? expectedMetric(bag, k) : 0.0;
        if (site.runMode && !sameNumber(got, want))
            fail(std::string(k.key) + " is neither its readable stored value nor its default");
    }
    if (!site.runMode) {
        // At design time the screen the form is opened on wins over anything stored.
        const DisplayMetrics m = site.fakePlatform.metrics;
        if (!sameNumber(inst.DesignWidth, m.screenWidth) || !sameNumber(inst.DesignHeight, m.screenHeight))
            fail("design mode kept stored metrics");
    }
    for (const auto& k : kBools)
        if (inst.*k.field != expectedBool(bag, k))
            fail(std::string(k.key) + " is neither its readable stored value nor its default");
    if (site.runMode && !sameObject(inst.frmParent, form.ref()))
        fail("run mode did not take the host form");

    // A pass over whatever was read: never throws, never left busy, logs only well-formed lines.
    std::string log;
    try {
        for (int pass = 0; pass < 2; ++pass)
            log = control.Resize();
    } catch (...) {
        fail("a resize pass threw");
    }
    if (inst.ResizeBusy)
        fail("a resize pass left ResizeBusy set");
    if (!log.empty() && log != control.GetErrors())
        fail("Resize returned other text than the log");
    checkLog(control.GetErrors());
    // Stored metrics a real screen could have leave the form's geometry numbers; absurd ones
    // (a design screen 1e-150 pixels high) scale by absurd factors, which a real host refuses.
    const bool plausible = inst.DesignWidth >= 100 && inst.DesignWidth <= 20000 && inst.DesignHeight >= 100 &&
        inst.DesignHeight <= 20000 && inst.DesignBorderWidth >= 0 && inst.DesignBorderWidth <= 200 &&
        inst.DesignCaptionHeight >= 0 && inst.DesignCaptionHeight <= 200 && inst.DesignMenuHeight >= 0 &&
        inst.DesignMenuHeight <= 200 && inst.DesignScrollWidth >= 0 && inst.DesignScrollWidth <= 200;
    if (plausible) {
        for (const char* member : {"Left", "Top", "Width", "Height"}) {
            if (!std::isfinite(form->num(member)))
                fail(std::string("form ") + member + " is not a finite number");
            for (const auto& c : form.controls())
                if (!std::isfinite(c->num(member)))
                    fail(c->name() + " " + member + " is not a finite number");
        }
    }

    // A save stores only what differs from a default, in table order, and reads back the same.
    MemoryPropertyBag saved;
    const Result<> wrote = control.WriteProperties(saved);
    if (!wrote)
        fail("saving failed: " + wrote.error().description);
    std::size_t lastPosition = 0;
    for (const auto& [key, value] : saved.entries()) {
        std::size_t position = 0;
        bool known = false;
        for (const auto& k : kMetrics) {
            if (k.key == key) {
                known = true;
                if (value == Value(k.defaultValue))
                    fail(key + " saved at its default");
            }
            position += known ? 0 : 1;
        }
        for (const auto& k : kBools) {
            if (k.key == key) {
                known = true;
                if (value == Value(k.defaultValue))
                    fail(key + " saved at its default");
            }
            position += known ? 0 : 1;
        }
        if (!known)
            fail("saved an unknown key " + key);
        if (position < lastPosition)
            fail("saved keys out of order at " + key);
        lastPosition = position;
    }
    {
        FakeSite again;
        again.form = form.ref();
        KelvaneUC reloaded(again);
        reloaded.ReadProperties(saved);
        for (const auto& k : kBools)
            if (reloaded.instance().*k.field != inst.*k.field)
                fail(std::string(k.key) + " did not survive a save and a load");
    }

    return 0;
}
