// Late-bound calls of the _KelvaneUC interface by member name, for hosts and scripts that do
// not bind to the C++ class. Arguments are coerced the way the platform's dispatch coerces
// variants; every failure comes back as an Error value.
#include <kelvaneuc/kelvaneuc.h>

#include <array>
#include <cctype>
#include <new>
#include <string>

namespace kelvane {

namespace {

// The platform's errors for a wrong argument count in a late-bound call.
constexpr int32_t kArgumentNotOptional = 449;
constexpr int32_t kWrongArgumentCount = 450;
constexpr int32_t kOutOfMemory = 7;

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Fixed arguments first; a trailing list takes whatever follows them.
void expectCount(const Array& args, std::size_t fixed, bool trailingList)
{
    if (args.size() < fixed)
        throw Failure(kArgumentNotOptional, "Argument not optional");
    if (!trailingList && args.size() > fixed)
        throw Failure(kWrongArgumentCount, "Wrong number of arguments or invalid property assignment");
}

Array rest(const Array& args, std::size_t from)
{
    return from < args.size() ? Array(args.begin() + static_cast<std::ptrdiff_t>(from), args.end()) : Array{};
}

// A key array passed by reference: an array whose elements all read as numbers.
std::vector<double> keyArray(const Value& v)
{
    std::vector<double> keys;
    const Array& a = v.array();
    keys.reserve(a.size());
    for (const Value& e : a)
        keys.push_back(e.toDouble());
    return keys;
}

Array numbers(const std::vector<double>& keys)
{
    Array a;
    a.reserve(keys.size());
    for (double k : keys)
        a.emplace_back(k);
    return a;
}

Value unwrap(Result<> r)
{
    if (!r)
        throw Failure(r.error());
    return {};
}

template <class T> Value unwrap(Result<T> r)
{
    if (!r)
        throw Failure(r.error());
    return Value(std::move(r.value()));
}

using Call = Value (*)(KelvaneUC&, Array&);
using Put = void (*)(KelvaneUC&, const Value&);

struct Member {
    std::string_view name;
    Call call; // the method, or the property get
    Put put;   // the property put; none for methods and read-only properties
};

// A method taking only a trailing list of controls.
#define LIST_TOOL(Name)                                                                                                          \
    Member                                                                                                                       \
    {                                                                                                                            \
#Name, [](KelvaneUC & c, Array & a) { return unwrap(c.Name(a)); }, nullptr                                               \
    }
// A method taking one Double, then a list.
#define ONE_NUMBER_TOOL(Name)                                                                                                    \
    Member                                                                                                                       \
    {                                                                                                                            \
#Name,                                                                                  \
           [](KelvaneUC& c, Array& a) {                                                            \
               expectCount(a, 1, true);                                                            \
               return unwrap(c.Name(a[0].toDouble(), rest(a, 1)));                                 \
           },                                                                                      \
           nullptr                                        \
    }
// A method taking two Doubles, then a list.
#define TWO_NUMBER_TOOL(Name)                                                                                                    \
    Member                                                                                                                       \
    {                                                                                                                            \
#Name,                                                                                  \
           [](KelvaneUC& c, Array& a) {                                                            \
               expectCount(a, 2, true);                                                            \
               return unwrap(c.Name(a[0].toDouble(), a[1].toDouble(), rest(a, 2)));                \
           },                                                                                      \
           nullptr                                        \
    }
#define RATIO(Name)                                                                                                              \
    Member                                                                                                                       \
    {                                                                                                                            \
#Name,                                                                                  \
           [](KelvaneUC& c, Array& a) {                                                            \
               expectCount(a, 0, false);                                                           \
               return Value(c.Name());                                                             \
           },                                                                                      \
           nullptr                                        \
    }
#define BOOL_PROPERTY(Name)                                                                                                      \
    Member                                                                                                                       \
    {                                                                                                                            \
#Name,                                                                                  \
           [](KelvaneUC& c, Array& a) {                                                            \
               expectCount(a, 0, false);                                                           \
               return Value(c.Name());                                                             \
           },                                                                                      \
           [](KelvaneUC& c, const Value& v) { c.set##Name(v.toBool()); }                                        \
    }

// In interface order; a property's get and put share one entry.
const std::array<Member, 48> members = {{
    {"ReverseSequence",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 0, false);
         c.ReverseSequence();
         return Value();
     },
     nullptr},
    {"GetIndexArray",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 0, false);
         Array out;
         for (int32_t i : c.GetIndexArray())
             out.emplace_back(i);
         return Value(std::move(out));
     },
     nullptr},
    {"GetUnSortedIndex",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 1, false);
         return unwrap(c.GetUnSortedIndex(a[0].toInt32()));
     },
     nullptr},
    {"Sort",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 3, false);
         auto k0 = keyArray(a[0]), k1 = keyArray(a[1]), k2 = keyArray(a[2]);
         unwrap(c.Sort(k0, k1, k2));
         // By reference: the caller's variables now hold the sorted keys.
         a[0] = numbers(k0);
         a[1] = numbers(k1);
         a[2] = numbers(k2);
         return Value();
     },
     nullptr},
    RATIO(WidthRatio),
    RATIO(HeightRatio),
    BOOL_PROPERTY(ResizeContainedByToolbar),
    BOOL_PROPERTY(ResizeAtStartUp),
    BOOL_PROPERTY(AccountForAlignedControls),
    BOOL_PROPERTY(KeepAspectRatio),
    BOOL_PROPERTY(ResizeForFixedTaskBar),
    BOOL_PROPERTY(ResizeForOverhead),
    BOOL_PROPERTY(ResizeOnChange),
    RATIO(WidthRatioUsed),
    RATIO(HeightRatioUsed),
    {"SetTabOrder",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 5, true);
         return unwrap(
             c.SetTabOrder(a[0].toObject(), a[1].toBool(), a[2].toDouble(), a[3].toDouble(), a[4].toInt32(), rest(a, 5)));
     },
     nullptr},
    // The group tools take Control by reference but never replace it, so nothing goes back.
    {"GroupVerticallyOn",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 1, true);
         return unwrap(c.GroupVerticallyOn(a[0].toObject(), rest(a, 1)));
     },
     nullptr},
    {"GroupHorizontallyOn",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 1, true);
         return unwrap(c.GroupHorizontallyOn(a[0].toObject(), rest(a, 1)));
     },
     nullptr},
    {"ShowTabOrder",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 2, false);
         return unwrap(c.ShowTabOrder(a[0].toInt32(), a[1].toInt32()));
     },
     nullptr},
    {"ShowTabOrderDemo",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 2, false);
         return unwrap(c.ShowTabOrderDemo(a[0].toInt32(), a[1].toInt32()));
     },
     nullptr},
    LIST_TOOL(AlignLefts),
    LIST_TOOL(AlignTops),
    LIST_TOOL(AlignMiddles),
    LIST_TOOL(AlignCenters),
    LIST_TOOL(AlignRights),
    LIST_TOOL(GetArrayOfControls),
    {"GetArrayOfChildren",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 1, true);
         return unwrap(c.GetArrayOfChildren(a[0].toObject(), rest(a, 1)));
     },
     nullptr},
    ONE_NUMBER_TOOL(SpaceFixedLeftToRight),
    ONE_NUMBER_TOOL(MoveTopTo),
    ONE_NUMBER_TOOL(MoveBottomTo),
    ONE_NUMBER_TOOL(MoveLeftTo),
    ONE_NUMBER_TOOL(MoveRightTo),
    ONE_NUMBER_TOOL(SpaceFixedRightToLeft),
    ONE_NUMBER_TOOL(SpaceFixedTopToBottom),
    ONE_NUMBER_TOOL(SpaceFixedBottomToTop),
    LIST_TOOL(AlignBottoms),
    LIST_TOOL(MakeEqualWidth),
    LIST_TOOL(MakeEqualHeight),
    LIST_TOOL(MakeEqualBoth),
    LIST_TOOL(VSpaceEquallyBetween),
    TWO_NUMBER_TOOL(VSpaceEqually),
    LIST_TOOL(HSpaceEquallyBetween),
    TWO_NUMBER_TOOL(HSpaceEqually),
    TWO_NUMBER_TOOL(HCenter),
    TWO_NUMBER_TOOL(VCenter),
    {"GetErrors",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 0, false);
         return Value(c.GetErrors());
     },
     nullptr},
    {"Unload",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 0, false);
         c.Unload();
         return Value();
     },
     nullptr},
    {"Resize",
     [](KelvaneUC& c, Array& a) {
         expectCount(a, 0, false);
         return Value(c.Resize());
     },
     nullptr},
}};

#undef LIST_TOOL
#undef ONE_NUMBER_TOOL
#undef TWO_NUMBER_TOOL
#undef RATIO
#undef BOOL_PROPERTY

const Member* findMember(std::string_view name)
{
    for (const Member& m : members)
        if (sameName(m.name, name))
            return &m;
    return nullptr;
}

constexpr std::string_view kPutPrefix = "let ";

} // namespace

Result<Value> KelvaneUC::Invoke(std::string_view member, Array& args)
{
    try {
        const bool put = member.size() > kPutPrefix.size() && sameName(member.substr(0, kPutPrefix.size()), kPutPrefix);
        const Member* m = findMember(put ? member.substr(kPutPrefix.size()) : member);
        if (!m || (put && !m->put))
            return makeError(err::MissingMember);
        if (put) {
            expectCount(args, 1, false);
            m->put(*this, args[0]);
            return Value();
        }
        return m->call(*this, args);
    } catch (const Failure& failure) {
        return failure.error();
    } catch (const std::bad_alloc&) {
        return makeError(kOutOfMemory, "Out of memory");
    } catch (const std::exception& e) {
        return makeError(err::InvalidCall, e.what());
    }
}

std::span<const std::string_view> KelvaneUC::MemberNames()
{
    static const auto names = [] {
        std::array<std::string_view, std::tuple_size_v<decltype(members)>> n{};
        for (std::size_t i = 0; i < members.size(); ++i)
            n[i] = members[i].name;
        return n;
    }();
    return names;
}

} // namespace kelvane
