#pragma once
// The values that cross the library's by-name boundary: host objects reached by member name,
// variant values, and errors carried as values.
#include <kelvaneuc/kelvaneucp_export.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kelvane {

class Object;
using Ref = std::shared_ptr<Object>;
struct Value;
using Array = std::vector<Value>;

// Error numbers of the host platform, and the control's own.
namespace err {
constexpr int32_t InvalidCall = 5;
constexpr int32_t Overflow = 6;
constexpr int32_t SubscriptOutOfRange = 9;
constexpr int32_t DivisionByZero = 11;
constexpr int32_t TypeMismatch = 13;
constexpr int32_t ObjectRequired = 424;
constexpr int32_t MissingMember = 438;
constexpr int32_t ObjectDefinedBase = static_cast<int32_t>(0x80040000u);
constexpr int32_t SameContainer = ObjectDefinedBase + 513; // 0x80040201
} // namespace err

struct Error {
    int32_t number = 0;
    std::string source;
    std::string description;
    bool operator==(const Error&) const = default;
};

// The platform's standard description for an error number ("Type mismatch", ...).
KELVANEUCP_EXPORT std::string standardDescription(int32_t number);
KELVANEUCP_EXPORT Error makeError(int32_t number, std::string description = {}, std::string source = "KelvaneUCP");

// How a failed by-name access travels inside the library, up to the public member that called
// it; public members turn it into an Error value.
class KELVANEUCP_EXPORT Failure : public std::runtime_error {
public:
    explicit Failure(Error error);
    explicit Failure(int32_t number, std::string description = {}, std::string source = "KelvaneUCP");
    const Error& error() const { return m_error; }

private:
    Error m_error;
};

// Identity, not equality; two empty references are the same.
KELVANEUCP_EXPORT bool sameObject(const Ref& a, const Ref& b);

struct KELVANEUCP_EXPORT Value {
    using Storage = std::variant<std::monostate, bool, int32_t, double, std::string, Ref, Array>;
    Storage data;

    Value() = default;
    Value(bool v)
        : data(v)
    {
    }
    Value(int32_t v)
        : data(v)
    {
    }
    Value(double v)
        : data(v)
    {
    }
    Value(const char* v)
        : data(std::string(v))
    {
    }
    Value(std::string v)
        : data(std::move(v))
    {
    }
    Value(std::string_view v)
        : data(std::string(v))
    {
    }
    Value(Ref v)
        : data(std::move(v))
    {
    }
    template <class T>
    requires std::is_base_of_v<Object, T> Value(std::shared_ptr<T> v)
        : data(Ref(std::move(v)))
    {
    }
    Value(Array v)
        : data(std::move(v))
    {
    }

    bool isEmpty() const { return std::holds_alternative<std::monostate>(data); }
    bool isBool() const { return std::holds_alternative<bool>(data); }
    bool isInt() const { return std::holds_alternative<int32_t>(data); }
    bool isDouble() const { return std::holds_alternative<double>(data); }
    bool isNumber() const { return isBool() || isInt() || isDouble(); }
    bool isString() const { return std::holds_alternative<std::string>(data); }
    bool isObject() const { return std::holds_alternative<Ref>(data); } // may hold the empty reference
    bool isArray() const { return std::holds_alternative<Array>(data); }

    // Conversions as the platform coerces: numbers and numeric strings become numbers,
    // booleans -1/0; anything else fails with err::TypeMismatch (err::Overflow out of range).
    double toDouble() const;
    int32_t toInt32() const; // rounded half to even
    int16_t toInt16() const; // rounded half to even
    bool toBool() const;     // non-zero is true
    std::string toString() const;
    Ref toObject() const;       // err::ObjectRequired unless an object (possibly the empty one)
    const Array& array() const; // err::TypeMismatch unless an array
    Array& array();
};

KELVANEUCP_EXPORT bool operator==(const Value& a, const Value& b); // objects by identity

// A host object (window, control, font, collection) whose members are reached by name.
// Declared after Value: its default arguments build an Array, which needs Value complete.
// Every member access may throw Failure (most often err::MissingMember).
class KELVANEUCP_EXPORT Object {
public:
    virtual ~Object();
    // The platform type name ("CommandButton", "Form", "Line", ...); its lower case is the kind.
    virtual std::string typeName() const = 0;
    virtual Value get(std::string_view member, const Array& args = {}) = 0;
    virtual void set(std::string_view member, const Value& value, const Array& args = {}) = 0;
    // Arguments are passed by reference: a method may write back into them.
    virtual Value call(std::string_view member, Array& args) = 0;
    // Two references denote the same object when their identities are equal.
    virtual const void* identity() const { return this; }
};

// A public member's outcome: a value, or the error that ended it.
template <class T = void> class Result {
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    Result(Error error)
        : m_error(std::move(error))
    {
    }
    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const Error& error() const { return *m_error; }

private:
    std::optional<T> m_value;
    std::optional<Error> m_error;
};

template <> class Result<void> {
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error))
    {
    }
    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *m_error; }

private:
    std::optional<Error> m_error;
};

} // namespace kelvane
