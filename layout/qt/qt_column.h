#pragma once
// One column of a bound grid (a QTableView), reached by name: Width, Caption.
#include <kelvaneuc/value.h>

#include <QPointer>

class QTableView;

namespace kelvane::qt {

class QtColumn final : public Object {
public:
    QtColumn(QTableView* view, int column);
    std::string typeName() const override { return "Column"; }
    Value get(std::string_view member, const Array& args = {}) override;
    void set(std::string_view member, const Value& value, const Array& args = {}) override;
    Value call(std::string_view member, Array& args) override;

private:
    QTableView* live() const;

    QPointer<QTableView> m_view;
    int m_column;
};

} // namespace kelvane::qt
