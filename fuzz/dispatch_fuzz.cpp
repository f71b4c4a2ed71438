// Fuzz target for the late-bound call: arbitrary member names and argument values against a
// control on a form of the fake host. No input may crash, hang or escape as an exception, and
// every failure must come back as an error value with a number and a description.
// Builds as a libFuzzer target with clang -fsanitize=fuzzer, or with dispatch_fuzz_driver.cpp.
#include "fuzz_input.h"
#include "fake_host.h"
#include "fake_site.h"

#include <kelvaneuc/kelvaneuc.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace kelvane;
using namespace kelvane::testing;

using fuzzing::Input;

struct Scene {
    FakeForm form;
    std::vector<Ref> controls;
    Scene()
    {
        auto frame = form.add("Frame", "Frame1", {.left = 100, .top = 100, .width = 3000, .height = 2000});
        controls = {form.ref(),
                    frame,
                    form.add("TextBox", "Text1", {.left = 200, .top = 300, .width = 1200, .height = 300}, frame),
                    form.add("CommandButton", "Start", {.left = 4000, .top = 400, .width = 900, .height = 400}),
                    form.add("Label", "Label1", {.left = 4000, .top = 1000, .width = 900, .height = 300}),
                    form.add("Timer", "Timer1"),
                    form.add("Image", "Image1", {.left = 10, .top = 5000, .width = 500, .height = 500}),
                    form.addLine("Line1", 100, 500, 400, 200),
                    form.add("Data", "Data1", {.left = 0, .top = 6000, .width = 2000, .height = 300})};
    }
};

Value makeValue(Input& in, Scene& scene, int depth)
{
    switch (in.byte() % 12) {
    case 0: return Value();
    case 1: return Value((in.byte() & 1) != 0);
    case 2: return Value(static_cast<int32_t>(in.byte() % 64) - 8); // small numbers are the common case
    case 3: return Value(static_cast<int32_t>(in.u32()));
    case 4: return Value(in.f64()); // NaN, infinities, huge and tiny values included
    case 5: return Value(static_cast<double>(static_cast<int32_t>(in.byte()) * 100) - 1000.0);
    case 6: return Value(in.text(12));
    case 7: return Value(Ref()); // the empty reference
    case 8:
    case 9: return Value(scene.controls[in.byte() % scene.controls.size()]);
    default: {
        Array a;
        if (depth < 3) {
            const std::size_t n = in.byte() % 7;
            for (std::size_t i = 0; i < n; ++i)
                a.push_back(makeValue(in, scene, depth + 1));
        }
        return Value(std::move(a));
    }
    }
}

std::string memberName(Input& in)
{
    const auto names = KelvaneUC::MemberNames();
    const std::uint8_t pick = in.byte();
    if (pick >= 240)
        return in.text(32); // anything at all
    std::string name(names[pick % names.size()]);
    const std::uint8_t form = in.byte();
    if (form & 1) // letter case is free
        for (char& c : name)
            c = static_cast<char>((in.byte() & 1) ? std::toupper(static_cast<unsigned char>(c))
                                                  : std::tolower(static_cast<unsigned char>(c)));
    if (form & 2)
        name = "let " + name;
    if ((form & 0x0C) == 0x0C && !name.empty()) // a near miss
        name.pop_back();
    return name;
}

[[noreturn]] void fail(const std::string& member, const char* why)
{
    std::fprintf(stderr, "dispatch_fuzz: %s: %s\n", member.c_str(), why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    Scene scene;
    FakeSite site;
    site.form = scene.form.ref();
    site.fakePlatform.forms = {scene.form.ref()};
    site.fakePlatform.development = (in.byte() & 1) != 0;
    KelvaneUC control(site);
    MemoryPropertyBag bag;
    control.ReadProperties(bag);

    // A few calls on one instance, so state left by one call meets the next.
    const int calls = 1 + in.byte() % 4;
    for (int c = 0; c < calls; ++c) {
        const std::string member = memberName(in);
        Array args;
        const std::size_t count = in.byte() % 9;
        for (std::size_t i = 0; i < count; ++i)
            args.push_back(makeValue(in, scene, 0));
        Result<Value> r = makeError(err::InvalidCall);
        try {
            r = control.Invoke(member, args);
        } catch (...) {
            fail(member, "an exception escaped Invoke");
        }
        if (!r && (r.error().number == 0 || r.error().description.empty()))
            fail(member, "a failure without error number or description");
    }
    // The object stays usable after whatever happened.
    Array none;
    if (!control.Invoke("GetErrors", none))
        fail("GetErrors", "the object no longer answers");
    return 0;
}
