// The KelvaneUC object: persisted properties, design-time face, log, Boolean settings, life.
#include "control/instance.h"
#include "fake_site.h"

#include <kelvaneuc/kelvaneuc.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace kelvane {
namespace {

using testing::FakeSite;

// A host form for tests that only need its identity.
class StandInForm final : public Object {
public:
    std::string typeName() const override { return "Form"; }
    Value get(std::string_view, const Array&) override { throw Failure(err::MissingMember); }
    void set(std::string_view, const Value&, const Array&) override { throw Failure(err::MissingMember); }
    Value call(std::string_view, Array&) override { throw Failure(err::MissingMember); }
};

const std::vector<std::string> kMetricKeys = {"DesignWidth",         "DesignHeight",     "DesignBorderWidth",
                                              "DesignCaptionHeight", "DesignMenuHeight", "DesignScrollWidth"};
const std::vector<std::string> kBoolKeys = {"AccountForAlignedControls", "KeepAspectRatio",       "ResizeOnChange",
                                            "ResizeAtStartUp",           "ResizeForFixedTaskBar", "ResizeForOverhead",
                                            "ResizeContainedByToolbar"};

struct Settings {
    bool account, keepAspect, onChange, atStartUp, fixedTaskBar, overhead, containedByToolbar;
    bool operator==(const Settings&) const = default;
};

Settings settingsOf(const KelvaneUC& c)
{
    return {c.AccountForAlignedControls(), c.KeepAspectRatio(),   c.ResizeOnChange(),          c.ResizeAtStartUp(),
            c.ResizeForFixedTaskBar(),     c.ResizeForOverhead(), c.ResizeContainedByToolbar()};
}

std::vector<double> metricsOf(KelvaneUC& c)
{
    const Instance& i = c.instance();
    return {i.DesignWidth, i.DesignHeight, i.DesignBorderWidth, i.DesignCaptionHeight, i.DesignMenuHeight, i.DesignScrollWidth};
}

constexpr Settings kDefaults{true, true, true, true, true, true, false};

// A bag that fails on chosen keys, to see one bad key not spoil the others.
class FailingBag final : public PropertyBag {
public:
    std::vector<std::string> failOnRead, failOnWrite;
    MemoryPropertyBag inner;
    std::vector<std::string> written;

    Value read(std::string_view key, const Value& defaultValue) override
    {
        for (const auto& k : failOnRead)
            if (k == key)
                throw Failure(err::TypeMismatch);
        return inner.read(key, defaultValue);
    }
    void write(std::string_view key, const Value& value, const Value& defaultValue) override
    {
        for (const auto& k : failOnWrite)
            if (k == key)
                throw Failure(err::InvalidCall, "disk full");
        written.emplace_back(key);
        inner.write(key, value, defaultValue);
    }
};

TEST(ObjectProperties, runModeEmptyBagGivesTheTableDefaults)
{
    FakeSite site;
    KelvaneUC c(site);
    MemoryPropertyBag bag;
    ASSERT_TRUE(c.ReadProperties(bag));
    EXPECT_EQ(metricsOf(c), (std::vector<double>{800, 600, 1, 18, 18, 16}));
    EXPECT_EQ(settingsOf(c), kDefaults);
    EXPECT_TRUE(site.changed.empty());
}

TEST(ObjectProperties, runModeWithoutBagLeavesEverythingZeroSoNoPassRuns)
{
    FakeSite site;
    KelvaneUC c(site);
    c.InitProperties();
    EXPECT_EQ(metricsOf(c), (std::vector<double>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(settingsOf(c), (Settings{false, false, false, false, false, false, false}));
    EXPECT_TRUE(site.changed.empty());
}

TEST(ObjectProperties, storedKeysMatchWithoutRegardToCase)
{
    FakeSite site;
    KelvaneUC c(site);
    // As the drill program's windows store them, plus two Booleans in odd case.
    MemoryPropertyBag bag{{"designwidth", 1024.0},
                          {"DESIGNHEIGHT", 768.0},
                          {"designcaptionheight", 25.0},
                          {"designMenuHeight", 19.0},
                          {"designscrollwidth", 17.0},
                          {"KEEPASPECTRATIO", false},
                          {"resizecontainedbytoolbar", int32_t{-1}}};
    ASSERT_TRUE(c.ReadProperties(bag));
    EXPECT_EQ(metricsOf(c), (std::vector<double>{1024, 768, 1, 25, 19, 17}));
    EXPECT_FALSE(c.KeepAspectRatio());
    EXPECT_TRUE(c.ResizeContainedByToolbar());
    EXPECT_TRUE(c.ResizeOnChange());
}

TEST(ObjectProperties, runModeReadHooksTheHostForm)
{
    FakeSite site;
    site.form = std::make_shared<StandInForm>();
    KelvaneUC c(site);
    MemoryPropertyBag bag;
    c.ReadProperties(bag);
    EXPECT_TRUE(sameObject(c.instance().frmParent, site.form));
}

TEST(ObjectProperties, anUnreadableKeyKeepsItsDefaultAndTheOthersStillLoad)
{
    FakeSite site;
    KelvaneUC c(site);
    FailingBag bag;
    bag.inner.write("DesignWidth", 1280.0, 800.0);
    bag.inner.write("DesignHeight", 1024.0, 600.0);
    bag.inner.write("DesignMenuHeight", std::string("tall"), 18.0); // not a number
    bag.inner.write("DesignScrollWidth", std::numeric_limits<double>::quiet_NaN(), 16.0);
    bag.inner.write("KeepAspectRatio", false, true);
    bag.inner.write("ResizeOnChange", false, true);
    bag.failOnRead = {"DesignWidth", "KeepAspectRatio"};
    ASSERT_TRUE(c.ReadProperties(bag));
    EXPECT_EQ(metricsOf(c), (std::vector<double>{800, 1024, 1, 18, 18, 16}));
    EXPECT_TRUE(c.KeepAspectRatio());
    EXPECT_FALSE(c.ResizeOnChange());
}

TEST(ObjectProperties, writeThenReadRoundTripsAndStoresOnlyWhatDiffers)
{
    FakeSite source;
    source.fakePlatform.metrics = {1280, 1024, 2, 23, 20, 18};
    KelvaneUC a(source);
    MemoryPropertyBag empty;
    a.ReadProperties(empty);
    a.setKeepAspectRatio(false);
    a.setResizeContainedByToolbar(true);
    a.setResizeForOverhead(false);
    MemoryPropertyBag bag;
    ASSERT_TRUE(a.WriteProperties(bag));
    // Saving records the screen the form is on now.
    EXPECT_EQ(metricsOf(a), (std::vector<double>{1280, 1024, 2, 23, 20, 18}));
    std::vector<std::string> keys;
    for (const auto& [k, v] : bag.entries())
        keys.push_back(k);
    EXPECT_EQ(
        keys,
        (std::vector<std::string>{"DesignWidth", "DesignHeight", "DesignBorderWidth", "DesignCaptionHeight", "DesignMenuHeight",
                                  "DesignScrollWidth", "KeepAspectRatio", "ResizeForOverhead", "ResizeContainedByToolbar"}));

    FakeSite target;
    KelvaneUC b(target);
    ASSERT_TRUE(b.ReadProperties(bag));
    EXPECT_EQ(metricsOf(b), metricsOf(a));
    EXPECT_EQ(settingsOf(b), settingsOf(a));
}

TEST(ObjectProperties, writeFollowsTheTableOrderAndStopsAtAFailingKey)
{
    FakeSite site;
    KelvaneUC c(site);
    FailingBag bag;
    bag.failOnWrite = {"ResizeOnChange"};
    const auto r = c.WriteProperties(bag);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().description, "disk full");
    std::vector<std::string> expected = kMetricKeys;
    expected.insert(expected.end(), {"AccountForAlignedControls", "KeepAspectRatio"});
    EXPECT_EQ(bag.written, expected);
}

TEST(ObjectProperties, designModeInitCapturesTheScreenAndAnnouncesEveryKey)
{
    FakeSite site;
    site.runMode = false;
    site.fakePlatform.metrics = {1920, 1080, 1, 23, 20, 15};
    KelvaneUC c(site);
    c.InitProperties();
    EXPECT_EQ(metricsOf(c), (std::vector<double>{1920, 1080, 1, 23, 20, 15}));
    EXPECT_EQ(settingsOf(c), kDefaults);
    std::vector<std::string> expected = kMetricKeys;
    expected.insert(expected.end(), kBoolKeys.begin(), kBoolKeys.end());
    EXPECT_EQ(site.changed, expected);
}

TEST(ObjectProperties, designModeReadTakesTheScreenNotTheStoredMetrics)
{
    FakeSite site;
    site.runMode = false;
    site.fakePlatform.metrics = {1366, 768, 1, 22, 19, 16};
    KelvaneUC c(site);
    MemoryPropertyBag bag{{"designwidth", 1024.0}, {"designheight", 768.0}, {"ResizeOnChange", false}};
    ASSERT_TRUE(c.ReadProperties(bag));
    EXPECT_EQ(metricsOf(c), (std::vector<double>{1366, 768, 1, 22, 19, 16}));
    EXPECT_FALSE(c.ResizeOnChange());
    EXPECT_EQ(site.changed, kMetricKeys);
    EXPECT_FALSE(c.instance().frmParent); // the designer's form is not hooked
}

struct BoolPut {
    const char* name;
    void (KelvaneUC::*put)(bool);
    bool (KelvaneUC::*get)() const;
};

class BooleanProperty : public ::testing::TestWithParam<BoolPut> {};

TEST_P(BooleanProperty, putNotifiesTheDesignerOnlyAndNeverResizes)
{
    const BoolPut p = GetParam();
    for (bool designing : {false, true}) {
        FakeSite site;
        site.runMode = !designing;
        KelvaneUC c(site);
        (c.*p.put)(true);
        EXPECT_TRUE((c.*p.get)());
        (c.*p.put)(false);
        EXPECT_FALSE((c.*p.get)());
        const std::vector<std::string> expected =
            designing ? std::vector<std::string>{p.name, p.name} : std::vector<std::string>{};
        EXPECT_EQ(site.changed, expected) << p.name << (designing ? " designing" : " running");
        EXPECT_TRUE(site.visible);
        EXPECT_TRUE(c.GetErrors().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, BooleanProperty,
    ::testing::Values(
        BoolPut{"ResizeContainedByToolbar", &KelvaneUC::setResizeContainedByToolbar, &KelvaneUC::ResizeContainedByToolbar},
        BoolPut{"ResizeAtStartUp", &KelvaneUC::setResizeAtStartUp, &KelvaneUC::ResizeAtStartUp},
        BoolPut{"AccountForAlignedControls", &KelvaneUC::setAccountForAlignedControls, &KelvaneUC::AccountForAlignedControls},
        BoolPut{"KeepAspectRatio", &KelvaneUC::setKeepAspectRatio, &KelvaneUC::KeepAspectRatio},
        BoolPut{"ResizeForFixedTaskBar", &KelvaneUC::setResizeForFixedTaskBar, &KelvaneUC::ResizeForFixedTaskBar},
        BoolPut{"ResizeForOverhead", &KelvaneUC::setResizeForOverhead, &KelvaneUC::ResizeForOverhead},
        BoolPut{"ResizeOnChange", &KelvaneUC::setResizeOnChange, &KelvaneUC::ResizeOnChange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ObjectRatios, readOneUntilAPassStoresThem)
{
    FakeSite site;
    KelvaneUC c(site);
    EXPECT_EQ(c.WidthRatio(), 1);
    EXPECT_EQ(c.HeightRatio(), 1);
    EXPECT_EQ(c.WidthRatioUsed(), 1);
    EXPECT_EQ(c.HeightRatioUsed(), 1);
    // Once a pass has stored one, that is what is read.
    c.instance().WidthRatioUsed = 0.5;
    EXPECT_EQ(c.WidthRatioUsed(), 0.5);
    EXPECT_EQ(c.WidthRatio(), 1);
}

TEST(ObjectFace, captionShowsTheDesignMetricsInShortestForm)
{
    FakeSite site;
    site.runMode = false;
    site.fakePlatform.metrics = {1024, 768, 1, 25, 19.5, 17};
    KelvaneUC c(site);
    c.InitProperties();
    site.changed.clear();
    c.Show();
    const std::string expected = "Res=1024 x 768  \r\nCaption=25  \r\nMenu=19.5  \r\nScroll=17  \r\n";
    EXPECT_EQ(c.FaceCaption(), expected);
    EXPECT_EQ(site.faceCaption, expected);
    EXPECT_EQ(site.changed, kMetricKeys);
}

TEST(ObjectFace, showInRunModeDoesNothing)
{
    FakeSite site;
    KelvaneUC c(site);
    MemoryPropertyBag bag;
    c.ReadProperties(bag);
    c.Show();
    c.DesignResize();
    EXPECT_EQ(c.FaceCaption(), "");
    EXPECT_TRUE(site.changed.empty());
    EXPECT_EQ(site.w, 1000); // a run-time control is never grown
}

TEST(ObjectFace, designSizeNeverGoesBelowTheMinimum)
{
    struct Row {
        double w, h, expectW, expectH;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Row r : {Row{1000, 500, 2600, 1300}, Row{2600, 1300, 2600, 1300}, Row{4000, 200, 4000, 1300},
                        Row{100, 5000, 2600, 5000}, Row{-10, nan, 2600, 1300}}) {
        FakeSite site;
        site.runMode = false;
        site.w = r.w;
        site.h = r.h;
        KelvaneUC c(site);
        c.DesignResize();
        EXPECT_EQ(site.w, r.expectW) << r.w << " x " << r.h;
        EXPECT_EQ(site.h, r.expectH) << r.w << " x " << r.h;
        // The label fills the face.
        EXPECT_EQ(site.faceWidth, r.expectW);
        EXPECT_EQ(site.faceHeight, r.expectH);
        EXPECT_EQ(site.faceCaption, c.FaceCaption());
        EXPECT_EQ(site.faceCaption.rfind("Res=0 x 0  \r\n", 0), 0u);
    }
}

TEST(ObjectLog, lineFormPadsOrCutsTheNameToTwelveCharacters)
{
    struct Row {
        const char* name;
        const char* kind;
        const char* message;
        const char* line;
    };
    const Row rows[] = {
        {"Start", "commandbutton", "Overflow", "Name=Start       , TypeName=commandbutton, Err=Overflow"},
        {"", "", "x", "Name=            , TypeName=, Err=x"},
        {"averyveryverylongname", "textbox", "Type mismatch", "Name=averyveryver, TypeName=textbox, Err=Type mismatch"},
        {"exactlytwelv", "label", "m", "Name=exactlytwelv, TypeName=label, Err=m"},
        // Twelve characters, not twelve bytes: a name is never cut inside a character.
        {"\xC3\xA9t\xC3\xA9_r\xC3\xA9sultats_tableau", "frame", "m",
         "Name=\xC3\xA9t\xC3\xA9_r\xC3\xA9sultat, TypeName=frame, Err=m"},
        {"\xC3\xA9t\xC3\xA9", "frame", "m", "Name=\xC3\xA9t\xC3\xA9         , TypeName=frame, Err=m"},
    };
    for (const Row& r : rows) {
        FakeSite site;
        KelvaneUC c(site);
        c.instance().CurrentControlName = r.name;
        c.instance().CurrentControlKind = r.kind;
        c.instance().addLogLine(r.message);
        EXPECT_EQ(c.GetErrors(), r.line);
    }
}

TEST(ObjectLog, linesJoinWithCarriageReturnLineFeedAndEmptyMessagesAreDropped)
{
    FakeSite site;
    KelvaneUC c(site);
    auto& i = c.instance();
    i.addLogLine("Resize***************");
    i.CurrentControlName = "answer";
    i.CurrentControlKind = "textbox";
    i.addLogLine("");
    i.addLogLine("Overflow");
    i.addLogLine("Resize***************");
    EXPECT_EQ(c.GetErrors(),
              "Name=            , TypeName=, Err=Resize***************\r\n"
              "Name=answer      , TypeName=textbox, Err=Overflow\r\n"
              "Name=answer      , TypeName=textbox, Err=Resize***************");
}

TEST(ObjectLife, unloadResetsTheEngineButKeepsLogRatiosAndStartUp)
{
    FakeSite site;
    site.form = std::make_shared<StandInForm>();
    KelvaneUC c(site);
    MemoryPropertyBag bag;
    c.ReadProperties(bag);
    auto& i = c.instance();
    i.PrevWorkWidth = i.PrevWorkHeight = i.PrevAvailWidth = i.PrevAvailHeight = i.PrevScrollWidth = 7;
    i.FirstPassDone = i.WorkAreaChanged = i.StartupDone = true;
    i.WidthRatio = 0.5;
    i.addLogLine("kept");
    const std::string log = c.GetErrors();
    c.Unload();
    EXPECT_EQ(std::vector<double>({i.PrevWorkWidth, i.PrevWorkHeight, i.PrevAvailWidth, i.PrevAvailHeight, i.PrevScrollWidth}),
              std::vector<double>(5, 0.0));
    EXPECT_FALSE(i.FirstPassDone);
    EXPECT_FALSE(i.WorkAreaChanged);
    EXPECT_FALSE(i.frmParent);
    EXPECT_TRUE(i.StartupDone);
    EXPECT_EQ(c.WidthRatio(), 0.5);
    EXPECT_EQ(c.GetErrors(), log);
}

TEST(ObjectLife, hostCloseIsNeverCancelledAndLetsTheFormGo)
{
    FakeSite site;
    auto form = std::make_shared<StandInForm>();
    site.form = form;
    std::weak_ptr<Object> watch = form;
    KelvaneUC c(site);
    MemoryPropertyBag bag;
    c.ReadProperties(bag);
    EXPECT_FALSE(c.HostQueryUnload());
    EXPECT_FALSE(c.instance().frmParent);
    form.reset();
    site.form.reset();
    EXPECT_TRUE(watch.expired()); // nothing else held the form
}

} // namespace
} // namespace kelvane
