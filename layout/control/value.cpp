#include <kelvaneuc/value.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kelvane {

std::string standardDescription(int32_t number)
{
    switch (number) {
    case err::InvalidCall: return "Invalid procedure call or argument";
    case err::Overflow: return "Overflow";
    case err::SubscriptOutOfRange: return "Subscript out of range";
    case err::DivisionByZero: return "Division by zero";
    case err::TypeMismatch: return "Type mismatch";
    case err::ObjectRequired: return "Object required";
    case err::MissingMember: return "Object doesn't support this property or method";
    default: return "Application-defined or object-defined error";
    }
}

Error makeError(int32_t number, std::string description, std::string source)
{
    if (description.empty())
        description = standardDescription(number);
    return Error{number, std::move(source), std::move(description)};
}

Failure::Failure(Error error)
    : std::runtime_error(error.description)
    , m_error(std::move(error))
{
}

Failure::Failure(int32_t number, std::string description, std::string source)
    : Failure(makeError(number, std::move(description), std::move(source)))
{
}

Object::~Object() = default;

bool sameObject(const Ref& a, const Ref& b)
{
    if (!a || !b)
        return !a && !b;
    return a->identity() == b->identity();
}

namespace {
double roundHalfEven(double v)
{
    const double lower = std::floor(v);
    const double diff = v - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Locale-independent: a host program may have switched the C locale to one with a decimal
// comma, and "2.5" must still read as two and a half.
bool parseNumber(const std::string& text, double& out)
{
    const char* begin = text.c_str();
    const char* end = begin + text.size();
    while (begin < end && (*begin == ' ' || *begin == '\t'))
        ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t'))
        --end;
    if (begin < end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    if (begin == end)
        return false;
    const auto [ptr, ec] = std::from_chars(begin, end, out, std::chars_format::general);
    if (ec == std::errc::result_out_of_range && ptr == end) {
        // Too small to hold reads as zero; too large is the platform's overflow.
        const std::string_view digits(begin, static_cast<std::size_t>(end - begin));
        const auto e = digits.find_first_of("eE");
        if (e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-') {
            out = 0.0;
            return true;
        }
        throw Failure(err::Overflow);
    }
    return ec == std::errc() && ptr == end && std::isfinite(out);
}
} // namespace

double Value::toDouble() const
{
    if (auto b = std::get_if<bool>(&data))
        return *b ? -1.0 : 0.0;
    if (auto i = std::get_if<int32_t>(&data))
        return *i;
    if (auto d = std::get_if<double>(&data))
        return *d;
    if (isEmpty())
        return 0.0;
    if (auto s = std::get_if<std::string>(&data)) {
        double v = 0;
        if (parseNumber(*s, v))
            return v;
    }
    throw Failure(err::TypeMismatch);
}

int32_t Value::toInt32() const
{
    const double v = toDouble();
    if (std::isnan(v))
        throw Failure(err::Overflow);
    const double r = roundHalfEven(v);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max())
        throw Failure(err::Overflow);
    return static_cast<int32_t>(r);
}

int16_t Value::toInt16() const
{
    const double v = toDouble();
    if (std::isnan(v))
        throw Failure(err::Overflow);
    const double r = roundHalfEven(v);
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        throw Failure(err::Overflow);
    return static_cast<int16_t>(r);
}

bool Value::toBool() const
{
    if (auto b = std::get_if<bool>(&data))
        return *b;
    if (auto s = std::get_if<std::string>(&data)) {
        if (*s == "True" || *s == "true")
            return true;
        if (*s == "False" || *s == "false")
            return false;
    }
    return toDouble() != 0.0;
}

std::string Value::toString() const
{
    if (auto s = std::get_if<std::string>(&data))
        return *s;
    if (isEmpty())
        return {};
    if (auto b = std::get_if<bool>(&data))
        return *b ? "True" : "False";
    if (auto i = std::get_if<int32_t>(&data))
        return std::to_string(*i);
    if (auto d = std::get_if<double>(&data)) {
        if (*d == 0.0)
            return "0";
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *d, std::chars_format::general, 15);
        return std::string(buffer, result.ptr);
    }
    throw Failure(err::TypeMismatch);
}

Ref Value::toObject() const
{
    if (auto r = std::get_if<Ref>(&data))
        return *r;
    throw Failure(err::ObjectRequired);
}

const Array& Value::array() const
{
    if (auto a = std::get_if<Array>(&data))
        return *a;
    throw Failure(err::TypeMismatch);
}

Array& Value::array()
{
    if (auto a = std::get_if<Array>(&data))
        return *a;
    throw Failure(err::TypeMismatch);
}

bool operator==(const Value& a, const Value& b)
{
    if (a.data.index() != b.data.index())
        return false;
    if (a.isObject())
        return sameObject(std::get<Ref>(a.data), std::get<Ref>(b.data));
    return a.data == b.data;
}

} // namespace kelvane
