#include "qt_font.h"

#include "qt_names.h"
#include "qt_tree.h"
#include "qt_values.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QWidget>

#include <cmath>

namespace kelvane::qt {

namespace {

constexpr double kMaxPointSize = 2048; // the platform refuses larger fonts
constexpr int kMaxDepth = 256;

void pinControls(QWidget* parent, int depth)
{
    if (depth > kMaxDepth)
        return;
    for (QObject* child : parent->children()) {
        if (!child->isWidgetType())
            continue;
        auto* w = static_cast<QWidget*>(child);
        if (w->isWindow())
            continue;
        if (isControl(w)) {
            QFont own = w->font();
            if (own.resolveMask() != QFont::AllPropertiesResolved) {
                own.setResolveMask(QFont::AllPropertiesResolved);
                w->setFont(own);
            }
            continue; // what lies inside follows this control
        }
        pinControls(w, depth + 1);
    }
}

} // namespace

double pointSize(const QFont& font, const QWidget* widget)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    const double tpp = twipsPerPixel(widget, true);
    return font.pixelSize() * tpp / 20.0; // 20 twips to the point
}

void setWidgetFont(QWidget* widget, const QFont& font)
{
    pinControls(widget, 0);
    widget->setFont(font);
    // Under a style sheet an editable combo box's own line edit keeps the font it was made
    // with; the text the user reads must follow the box.
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        combo->lineEdit()->setFont(font);
}

QtFont::QtFont(QWidget* widget)
    : m_widget(widget)
{
}

QtFont::QtFont(QTableWidget* table, int row, int column)
    : m_widget(table)
    , m_table(table)
    , m_row(row)
    , m_column(column)
{
}

QFont QtFont::font() const
{
    if (!m_widget)
        throw Failure(err::ObjectRequired);
    if (m_table) {
        if (const QTableWidgetItem* item = m_table->item(m_row, m_column))
            return item->font().resolve(m_table->font());
        return m_table->font();
    }
    return m_widget->font();
}

void QtFont::apply(const QFont& font)
{
    if (m_table) {
        if (m_row < 0 || m_column < 0 || m_row >= m_table->rowCount() || m_column >= m_table->columnCount())
            throw Failure(err::SubscriptOutOfRange);
        QTableWidgetItem* item = m_table->item(m_row, m_column);
        if (!item) {
            item = new QTableWidgetItem;
            m_table->setItem(m_row, m_column, item);
        }
        item->setFont(font);
        return;
    }
    setWidgetFont(m_widget, font);
}

Value QtFont::get(std::string_view member, const Array&)
{
    const QFont f = font();
    if (sameName(member, "Name"))
        return Value(f.family().toStdString());
    if (sameName(member, "Size"))
        return Value(pointSize(f, m_widget));
    if (sameName(member, "Bold"))
        return Value(f.bold());
    if (sameName(member, "Italic"))
        return Value(f.italic());
    if (sameName(member, "Underline"))
        return Value(f.underline());
    if (sameName(member, "Strikethrough"))
        return Value(f.strikeOut());
    if (sameName(member, "Weight"))
        return Value(static_cast<int32_t>(f.weight()));
    throw Failure(err::MissingMember);
}

void QtFont::set(std::string_view member, const Value& value, const Array&)
{
    QFont f = font();
    if (sameName(member, "Name")) {
        f.setFamily(QString::fromStdString(value.toString()));
    } else if (sameName(member, "Size")) {
        const double size = finite(value);
        if (size <= 0 || size > kMaxPointSize)
            throw Failure(kInvalidPropertyValue, "Invalid property value");
        f.setPointSizeF(size);
    } else if (sameName(member, "Bold")) {
        f.setBold(value.toBool());
    } else if (sameName(member, "Italic")) {
        f.setItalic(value.toBool());
    } else if (sameName(member, "Underline")) {
        f.setUnderline(value.toBool());
    } else if (sameName(member, "Strikethrough")) {
        f.setStrikeOut(value.toBool());
    } else if (sameName(member, "Weight")) {
        f.setWeight(static_cast<QFont::Weight>(std::clamp(value.toInt32(), 1, 1000)));
    } else {
        throw Failure(err::MissingMember);
    }
    // Writing what is already there (a scaler puts the name back each time) changes nothing.
    if (f == font() && (!m_table || m_table->item(m_row, m_column)))
        return;
    apply(f);
}

Value QtFont::call(std::string_view, Array&) { throw Failure(err::MissingMember); }

} // namespace kelvane::qt
