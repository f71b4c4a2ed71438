// Late-bound calls by member name: routing, argument coercion, by-reference results, errors.
#include "control/instance.h"
#include "fake_site.h"

#include <kelvaneuc/kelvaneuc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <string>

namespace kelvane {
namespace {

using testing::FakeSite;

class Dispatch : public ::testing::Test {
protected:
    FakeSite site;
    KelvaneUC c{site};

    Result<Value> invoke(std::string_view name, Array args = {}) { return c.Invoke(name, args); }
};

std::string mixedCase(std::string s)
{
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<char>(i % 2 ? std::toupper(static_cast<unsigned char>(s[i]))
                                       : std::tolower(static_cast<unsigned char>(s[i])));
    return s;
}

TEST(DispatchNames, interfaceHasFortyEightNamesForFiftyFiveMembers)
{
    const auto names = KelvaneUC::MemberNames();
    ASSERT_EQ(names.size(), 48u);
    EXPECT_EQ(names.front(), "ReverseSequence");
    EXPECT_EQ(names[3], "Sort");
    EXPECT_EQ(names[15], "SetTabOrder");
    EXPECT_EQ(names[45], "GetErrors");
    EXPECT_EQ(names.back(), "Resize");
    // Seven properties have a put beside their get: 48 + 7 members.
    FakeSite site;
    KelvaneUC c(site);
    int puts = 0;
    for (auto name : names) {
        Array one{Value(true)};
        const auto r = c.Invoke("let " + std::string(name), one);
        if (r || r.error().number != err::MissingMember)
            ++puts;
    }
    EXPECT_EQ(puts, 7);
}

// Every member is reached under its own name in any letter case: whatever the outcome, it is
// never the dispatch's own "no such member".
TEST_F(Dispatch, everyMemberIsReachedByNameInAnyCase)
{
    for (auto name : KelvaneUC::MemberNames()) {
        for (const std::string& spelled : {std::string(name), mixedCase(std::string(name))}) {
            // Enough plausible arguments for any member; the extra ones are the trailing list or
            // rejected as too many, never as an unknown member.
            for (std::size_t count = 0; count <= 6; ++count) {
                Array args;
                for (std::size_t i = 0; i < count; ++i)
                    args.emplace_back(int32_t{1});
                const auto r = c.Invoke(spelled, args);
                if (!r) {
                    EXPECT_FALSE(r.error().number == err::MissingMember &&
                                 r.error().description == standardDescription(err::MissingMember))
                        << spelled << " with " << count << " arguments";
                    EXPECT_FALSE(r.error().description.empty()) << spelled;
                }
            }
        }
    }
}

TEST_F(Dispatch, propertiesReadAndWriteThroughLet)
{
    MemoryPropertyBag bag;
    c.ReadProperties(bag);
    ASSERT_TRUE(invoke("KeepAspectRatio").value() == Value(true));
    ASSERT_TRUE(invoke("LET keepaspectratio", {int32_t{0}}));
    EXPECT_FALSE(c.KeepAspectRatio());
    // Any non-zero is true, so a stored 1 is not the platform's -1 trap.
    ASSERT_TRUE(invoke("let KeepAspectRatio", {int32_t{1}}));
    EXPECT_TRUE(c.KeepAspectRatio());
    ASSERT_TRUE(invoke("let ResizeOnChange", {std::string("False")}));
    EXPECT_FALSE(c.ResizeOnChange());
    EXPECT_TRUE(site.changed.empty()); // run mode: no change notification
    EXPECT_TRUE(invoke("widthratio").value() == Value(1.0));
    EXPECT_TRUE(invoke("HeightRatioUsed").value() == Value(1.0));
}

TEST_F(Dispatch, logAndLifeMembersReturnWhatTheObjectDoes)
{
    c.instance().addLogLine("boom");
    const auto errors = invoke("GetErrors");
    ASSERT_TRUE(errors);
    EXPECT_EQ(errors.value().toString(), c.GetErrors());
    c.instance().FirstPassDone = true;
    ASSERT_TRUE(invoke("unload"));
    EXPECT_FALSE(c.instance().FirstPassDone);
    const auto resized = invoke("Resize");
    ASSERT_TRUE(resized);
    EXPECT_TRUE(resized.value().isString());
    EXPECT_FALSE(site.visible); // a resize request hides the control at run time
}

struct BadCall {
    const char* label;
    std::string member;
    Array args;
    int32_t number;
};

class DispatchErrors : public ::testing::TestWithParam<BadCall> {};

TEST_P(DispatchErrors, failWithThePlatformsErrorAndChangeNothing)
{
    const BadCall& row = GetParam();
    FakeSite site;
    KelvaneUC c(site);
    MemoryPropertyBag bag;
    c.ReadProperties(bag);
    Array args = row.args;
    const auto r = c.Invoke(row.member, args);
    ASSERT_FALSE(r) << row.label;
    EXPECT_EQ(r.error().number, row.number) << row.label << ": " << r.error().description;
    EXPECT_FALSE(r.error().description.empty());
    EXPECT_TRUE(c.KeepAspectRatio()) << row.label;
    EXPECT_TRUE(c.GetIndexArray().empty()) << row.label;
}

const double kHuge = 1e12;

INSTANTIATE_TEST_SUITE_P(
    Table, DispatchErrors,
    ::testing::Values(
        BadCall{"unknownMember", "NoSuchMember", {}, err::MissingMember}, BadCall{"emptyName", "", {}, err::MissingMember},
        BadCall{"eventsAreNotMembers", "BeforeResize", {}, err::MissingMember},
        BadCall{"letAlone", "let ", {Value(true)}, err::MissingMember},
        BadCall{"letReadOnly", "let WidthRatio", {Value(2.0)}, err::MissingMember},
        BadCall{"letMethod", "let Resize", {Value(2.0)}, err::MissingMember},
        BadCall{"letWithoutValue", "let KeepAspectRatio", {}, 449},
        BadCall{"letTwoValues", "let KeepAspectRatio", {Value(false), Value(false)}, 450},
        BadCall{"letNotABoolean", "let KeepAspectRatio", {std::string("maybe")}, err::TypeMismatch},
        BadCall{"letAnObject", "let KeepAspectRatio", {Ref()}, err::TypeMismatch},
        BadCall{"getWithArgument", "KeepAspectRatio", {Value(false)}, 450}, BadCall{"missingIndex", "GetUnSortedIndex", {}, 449},
        BadCall{"textIndex", "GetUnSortedIndex", {std::string("abc")}, err::TypeMismatch},
        BadCall{"hugeIndex", "GetUnSortedIndex", {kHuge}, err::Overflow},
        BadCall{"nanIndex", "GetUnSortedIndex", {std::numeric_limits<double>::quiet_NaN()}, err::Overflow},
        BadCall{"indexBeforeAnySort", "GetUnSortedIndex", {int32_t{0}}, err::SubscriptOutOfRange},
        BadCall{"extraArgument", "GetErrors", {int32_t{1}}, 450},
        BadCall{"sortScalars", "Sort", {int32_t{1}, int32_t{2}, int32_t{3}}, err::TypeMismatch},
        BadCall{"sortTextKey", "Sort", {Array{1.0, std::string("x")}, Array{1.0, 2.0}, Array{1.0, 2.0}}, err::TypeMismatch},
        BadCall{"sortTwoArrays", "Sort", {Array{1.0}, Array{1.0}}, 449},
        BadCall{"sortUnequalBounds", "Sort", {Array{1.0, 2.0}, Array{1.0}, Array{1.0, 2.0}}, err::SubscriptOutOfRange},
        BadCall{"containerNotAnObject", "SetTabOrder", {int32_t{5}, true, 0.0, 0.0, int32_t{0}}, err::ObjectRequired},
        BadCall{"groupOnText", "GroupVerticallyOn", {std::string("Start")}, err::ObjectRequired},
        BadCall{"childrenOfArray", "GetArrayOfChildren", {Array{}}, err::ObjectRequired},
        BadCall{"tabOrderTextTime", "ShowTabOrder", {std::string("soon"), int32_t{0}}, err::TypeMismatch},
        BadCall{"moveToObject", "MoveTopTo", {Ref()}, err::TypeMismatch}, BadCall{"centreWithOneBound", "HCenter", {1.0}, 449}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(Dispatch, sortWritesTheSortedKeysBackAsNumbers)
{
    Array args{Array{3.0, int32_t{1}, std::string("2")}, Array{0.0, 0.0, 0.0}, Array{Value(), true, 7.5}};
    const auto r = c.Invoke("sort", args);
    ASSERT_TRUE(r) << r.error().description;
    EXPECT_TRUE(args[0] == Value(Array{1.0, 2.0, 3.0}));
    EXPECT_TRUE(args[1] == Value(Array{0.0, 0.0, 0.0}));
    EXPECT_TRUE(args[2] == Value(Array{-1.0, 7.5, 0.0})); // true is -1, empty is 0
    const auto index = invoke("GetIndexArray");
    ASSERT_TRUE(index);
    EXPECT_TRUE(index.value() == Value(Array{int32_t{1}, int32_t{2}, int32_t{0}}));
    const auto unsorted = invoke("GetUnSortedIndex", {2.0});
    ASSERT_TRUE(unsorted);
    EXPECT_TRUE(unsorted.value() == Value(int32_t{0}));
    ASSERT_TRUE(invoke("ReverseSequence"));
    ASSERT_TRUE(c.Invoke("Sort", args));
    EXPECT_TRUE(args[0] == Value(Array{3.0, 2.0, 1.0}));
}

TEST_F(Dispatch, aFailedSortLeavesTheCallersArraysAsTheyWere)
{
    Array args{Array{2.0, 1.0}, Array{1.0}, Array{std::string("b"), std::string("1")}};
    const Array before = args;
    EXPECT_FALSE(c.Invoke("Sort", args));
    EXPECT_TRUE(Value(args) == Value(before));
}

} // namespace
} // namespace kelvane
