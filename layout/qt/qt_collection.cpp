#include "qt_collection.h"

#include "qt_names.h"

namespace kelvane::qt {

QtCollection::QtCollection(std::function<int()> count, std::function<Ref(int)> item, const void* identity)
    : m_count(std::move(count))
    , m_item(std::move(item))
    , m_identity(identity ? identity : this)
{
}

Value QtCollection::item(const Array& args) const
{
    if (args.empty())
        throw Failure(err::InvalidCall);
    const int32_t i = args.front().toInt32();
    if (i < 0 || i >= m_count())
        throw Failure(err::SubscriptOutOfRange);
    return Value(m_item(i));
}

Value QtCollection::get(std::string_view member, const Array& args)
{
    if (sameName(member, "Count") && args.empty())
        return Value(static_cast<int32_t>(m_count()));
    if (sameName(member, "Item") || member.empty())
        return item(args);
    throw Failure(err::MissingMember);
}

void QtCollection::set(std::string_view, const Value&, const Array&) { throw Failure(err::MissingMember); }

Value QtCollection::call(std::string_view member, Array& args) { return get(member, args); }

} // namespace kelvane::qt
