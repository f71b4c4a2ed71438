#pragma once
// A collection reached by name: Count, and Item(i) from 0 (also the default member).
#include <kelvaneuc/value.h>

#include <functional>

namespace kelvane::qt {

class QtCollection final : public Object {
public:
    QtCollection(std::function<int()> count, std::function<Ref(int)> item, const void* identity);
    std::string typeName() const override { return "Collection"; }
    Value get(std::string_view member, const Array& args = {}) override;
    void set(std::string_view member, const Value& value, const Array& args = {}) override;
    Value call(std::string_view member, Array& args) override;
    const void* identity() const override { return m_identity; }

private:
    Value item(const Array& args) const;

    std::function<int()> m_count;
    std::function<Ref(int)> m_item;
    const void* m_identity;
};

} // namespace kelvane::qt
