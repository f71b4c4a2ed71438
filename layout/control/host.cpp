#include <kelvaneuc/host.h>

#include <algorithm>
#include <cctype>

namespace kelvane {

Platform::~Platform() = default;
Site::~Site() = default;
PropertyBag::~PropertyBag() = default;
Events::~Events() = default;
void Events::BeforeResize(const Ref&, double, double, bool&) {}
void Events::AfterResize(const Ref&, double, double) {}
void Events::FinishedResize() {}
void Events::BeginResize() {}

namespace {
// A stored value equals its default when both are numbers of the same value (1024 and 1024.0,
// True and -1), as the platform compares them; otherwise by type and value.
bool equalsDefault(const Value& value, const Value& defaultValue)
{
    if (value.isNumber() && defaultValue.isNumber())
        return value.toDouble() == defaultValue.toDouble();
    return value == defaultValue;
}

bool sameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

MemoryPropertyBag::MemoryPropertyBag(std::initializer_list<std::pair<std::string, Value>> entries)
    : m_entries(entries)
{
}

std::optional<Value> MemoryPropertyBag::find(std::string_view key) const
{
    for (const auto& [k, v] : m_entries)
        if (sameKey(k, key))
            return v;
    return std::nullopt;
}

Value MemoryPropertyBag::read(std::string_view key, const Value& defaultValue)
{
    auto v = find(key);
    return v ? *v : defaultValue;
}

void MemoryPropertyBag::write(std::string_view key, const Value& value, const Value& defaultValue)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& e) { return sameKey(e.first, key); });
    if (equalsDefault(value, defaultValue)) {
        if (it != m_entries.end())
            m_entries.erase(it);
        return;
    }
    if (it != m_entries.end())
        it->second = value;
    else
        m_entries.emplace_back(std::string(key), value);
}

} // namespace kelvane
