#pragma once
// The Font of a widget or of one table cell, reached by name (Name, Size, Bold, ...). Writes
// apply to the widget at once.
#include <kelvaneuc/value.h>

#include <QPointer>

class QWidget;
class QTableWidget;

namespace kelvane::qt {

class QtFont final : public Object {
public:
    explicit QtFont(QWidget* widget);
    QtFont(QTableWidget* table, int row, int column); // a cell's own font
    std::string typeName() const override { return "Font"; }
    Value get(std::string_view member, const Array& args = {}) override;
    void set(std::string_view member, const Value& value, const Array& args = {}) override;
    Value call(std::string_view member, Array& args) override;

private:
    QFont font() const;
    void apply(const QFont& font);

    QPointer<QWidget> m_widget;
    QPointer<QTableWidget> m_table;
    int m_row = -1;
    int m_column = -1;
};

// Point size of a font, also when it was given in pixels.
double pointSize(const QFont& font, const QWidget* widget);
// Sets a widget's font so that its controls inside keep their own: a control that inherited
// its font from the widget gets that font explicitly first.
void setWidgetFont(QWidget* widget, const QFont& font);

} // namespace kelvane::qt
