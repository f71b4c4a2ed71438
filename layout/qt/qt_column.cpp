#include "qt_column.h"

#include "qt_exact.h"
#include "qt_names.h"
#include "qt_values.h"

#include <QAbstractItemModel>
#include <QTableView>

namespace kelvane::qt {

namespace {
constexpr quint32 kColumnWidthKey = 0x43000000u; // exact-value key space of column widths
}

QtColumn::QtColumn(QTableView* view, int column)
    : m_view(view)
    , m_column(column)
{
}

QTableView* QtColumn::live() const
{
    if (!m_view)
        throw Failure(err::ObjectRequired);
    const QAbstractItemModel* model = m_view->model();
    if (!model || m_column < 0 || m_column >= model->columnCount())
        throw Failure(err::SubscriptOutOfRange);
    return m_view;
}

Value QtColumn::get(std::string_view member, const Array&)
{
    QTableView* view = live();
    if (sameName(member, "Width")) {
        const double px = exactScalar(view, kColumnWidthKey | static_cast<quint32>(m_column), view->columnWidth(m_column));
        return Value(px * twipsPerPixel(view, false));
    }
    if (sameName(member, "Caption"))
        return toValue(view->model()->headerData(m_column, Qt::Horizontal));
    throw Failure(err::MissingMember);
}

void QtColumn::set(std::string_view member, const Value& value, const Array&)
{
    QTableView* view = live();
    if (sameName(member, "Width")) {
        const double px = finite(value) / twipsPerPixel(view, false);
        if (px < 0)
            throw Failure(kInvalidPropertyValue, "Invalid property value");
        view->setColumnWidth(m_column, setExactScalar(view, kColumnWidthKey | static_cast<quint32>(m_column), px));
        return;
    }
    throw Failure(err::MissingMember);
}

Value QtColumn::call(std::string_view member, Array& args) { return get(member, args); }

} // namespace kelvane::qt
