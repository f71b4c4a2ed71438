// The inner sizes of grids and tabs: a QTableWidget's rows, columns, current cell, selection and
// cell fonts; a QTableView's default sections, columns and header font; the tabs of a
// QTabWidget and of a QTabBar.
#include "qt_collection.h"
#include "qt_column.h"
#include "qt_exact.h"
#include "qt_font.h"
#include "qt_members.h"
#include "qt_values.h"

#include <QHeaderView>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <cmath>

namespace kelvane::qt {

namespace {

// --- grids ---------------------------------------------------------------------------------

constexpr int kCellFontWidthRole = Qt::UserRole + 75;

int currentRow(const QTableWidget* t) { return std::max(0, t->currentRow()); }
int currentColumn(const QTableWidget* t) { return std::max(0, t->currentColumn()); }

QTableWidgetSelectionRange rangeAtCurrent(const QTableWidget* t)
{
    const int r = currentRow(t), c = currentColumn(t);
    for (const auto& range : t->selectedRanges())
        if (r >= range.topRow() && r <= range.bottomRow() && c >= range.leftColumn() && c <= range.rightColumn())
            return range;
    return QTableWidgetSelectionRange(r, c, r, c);
}

void setCurrent(QTableWidget* t, int row, int column)
{
    if (row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount())
        throw Failure(err::SubscriptOutOfRange);
    t->selectionModel()->setCurrentIndex(t->model()->index(row, column), QItemSelectionModel::NoUpdate);
}

void selectTo(QTableWidget* t, int rowSel, int colSel)
{
    if (rowSel < 0 || colSel < 0 || rowSel >= t->rowCount() || colSel >= t->columnCount())
        throw Failure(err::SubscriptOutOfRange);
    const int r = currentRow(t), c = currentColumn(t);
    t->clearSelection();
    t->setRangeSelected(
        QTableWidgetSelectionRange(std::min(r, rowSel), std::min(c, colSel), std::max(r, rowSel), std::max(c, colSel)), true);
}

std::optional<Value> getFlexGrid(QTableWidget* t, M m, const Array& args)
{
    switch (m) {
    case M::Rows: return Value(static_cast<int32_t>(t->rowCount()));
    case M::Cols: return Value(static_cast<int32_t>(t->columnCount()));
    case M::Row: return Value(static_cast<int32_t>(currentRow(t)));
    case M::Col: return Value(static_cast<int32_t>(currentColumn(t)));
    case M::RowSel: {
        const auto range = rangeAtCurrent(t);
        return Value(static_cast<int32_t>(range.topRow() == currentRow(t) ? range.bottomRow() : range.topRow()));
    }
    case M::ColSel: {
        const auto range = rangeAtCurrent(t);
        return Value(static_cast<int32_t>(range.leftColumn() == currentColumn(t) ? range.rightColumn() : range.leftColumn()));
    }
    case M::RowHeight: {
        const int r = arg(args, 0);
        if (r < 0 || r >= t->rowCount())
            throw Failure(err::SubscriptOutOfRange);
        return Value(exactScalar(t, scalarKey(m, r), t->rowHeight(r)) * twipsPerPixel(t, true));
    }
    case M::ColWidth: {
        const int c = arg(args, 0);
        if (c < 0 || c >= t->columnCount())
            throw Failure(err::SubscriptOutOfRange);
        return Value(exactScalar(t, scalarKey(m, c), t->columnWidth(c)) * twipsPerPixel(t, false));
    }
    case M::RowHeightMin:
        return Value(exactScalar(t, scalarKey(m, 0), t->verticalHeader()->minimumSectionSize()) * twipsPerPixel(t, true));
    case M::RowPos: {
        const int r = arg(args, 0);
        if (r < 0 || r >= t->rowCount())
            throw Failure(err::SubscriptOutOfRange);
        const int head = t->horizontalHeader()->isHidden() ? 0 : t->horizontalHeader()->height();
        return Value((head + t->verticalHeader()->sectionPosition(r)) * twipsPerPixel(t, true));
    }
    case M::CellFontName:
    case M::CellFontSize: {
        QtFont cell(t, currentRow(t), currentColumn(t));
        return cell.get(m == M::CellFontName ? "Name" : "Size");
    }
    case M::CellFontWidth: {
        const QTableWidgetItem* item = t->item(currentRow(t), currentColumn(t));
        return Value(item ? item->data(kCellFontWidthRole).toDouble() : 0.0);
    }
    case M::ScrollBars:
        return Value(static_cast<int32_t>((t->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff ? 1 : 0) |
                                          (t->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff ? 2 : 0)));
    default: return std::nullopt;
    }
}

bool setFlexGrid(QTableWidget* t, M m, const Value& value, const Array& args)
{
    switch (m) {
    case M::Rows:
    case M::Cols: {
        const int32_t n = value.toInt32();
        if (n < 0 || n > (1 << 20))
            invalidValue();
        if (m == M::Rows)
            t->setRowCount(n);
        else
            t->setColumnCount(n);
        return true;
    }
    case M::Row: setCurrent(t, value.toInt32(), currentColumn(t)); return true;
    case M::Col: setCurrent(t, currentRow(t), value.toInt32()); return true;
    case M::RowSel: {
        const auto range = rangeAtCurrent(t);
        const int colSel = range.leftColumn() == currentColumn(t) ? range.rightColumn() : range.leftColumn();
        selectTo(t, value.toInt32(), colSel);
        return true;
    }
    case M::ColSel: {
        const auto range = rangeAtCurrent(t);
        const int rowSel = range.topRow() == currentRow(t) ? range.bottomRow() : range.topRow();
        selectTo(t, rowSel, value.toInt32());
        return true;
    }
    case M::RowHeight:
    case M::ColWidth: {
        const int i = arg(args, 0);
        const bool rows = m == M::RowHeight;
        if (i < 0 || i >= (rows ? t->rowCount() : t->columnCount()))
            throw Failure(err::SubscriptOutOfRange);
        const double px = finite(value) / twipsPerPixel(t, rows);
        if (px < 0)
            invalidValue();
        const int applied = setExactScalar(t, scalarKey(m, i), px);
        if (rows)
            t->setRowHeight(i, applied);
        else
            t->setColumnWidth(i, applied);
        return true;
    }
    case M::RowHeightMin: {
        const double px = finite(value) / twipsPerPixel(t, true);
        if (px < 0)
            invalidValue();
        t->verticalHeader()->setMinimumSectionSize(setExactScalar(t, scalarKey(m, 0), px));
        return true;
    }
    case M::CellFontName:
    case M::CellFontSize: {
        QtFont cell(t, currentRow(t), currentColumn(t));
        cell.set(m == M::CellFontName ? "Name" : "Size", value);
        return true;
    }
    case M::CellFontWidth: {
        const double width = finite(value);
        const int r = currentRow(t), c = currentColumn(t);
        if (r >= t->rowCount() || c >= t->columnCount())
            throw Failure(err::SubscriptOutOfRange);
        QTableWidgetItem* item = t->item(r, c);
        if (!item) {
            item = new QTableWidgetItem;
            t->setItem(r, c, item);
        }
        item->setData(kCellFontWidthRole, width);
        return true;
    }
    default: return false;
    }
}

std::optional<Value> getDataGrid(QTableView* v, M m)
{
    switch (m) {
    case M::RowHeight:
        return Value(exactScalar(v, scalarKey(m, 0), v->verticalHeader()->defaultSectionSize()) * twipsPerPixel(v, true));
    case M::DefColWidth:
        return Value(exactScalar(v, scalarKey(m, 0), v->horizontalHeader()->defaultSectionSize()) * twipsPerPixel(v, false));
    case M::Columns: {
        QPointer<QTableView> view = v;
        return Value(Ref(
            std::make_shared<QtCollection>([view] { return view && view->model() ? view->model()->columnCount() : 0; },
                                           [view](int i) { return Ref(std::make_shared<QtColumn>(view.data(), i)); }, nullptr)));
    }
    case M::HeadFont: return Value(Ref(std::make_shared<QtFont>(v->horizontalHeader())));
    default: return std::nullopt;
    }
}

bool setDataGrid(QTableView* v, M m, const Value& value)
{
    if (m != M::RowHeight && m != M::DefColWidth)
        return false;
    const bool rows = m == M::RowHeight;
    const double px = finite(value) / twipsPerPixel(v, rows);
    if (px < 1)
        invalidValue();
    const int applied = setExactScalar(v, scalarKey(m, 0), px);
    (rows ? v->verticalHeader() : v->horizontalHeader())->setDefaultSectionSize(applied);
    return true;
}

// --- tab sizes, kept as set and applied through the tab bar's style sheet --------------------

const char* tabSizeProperty(M m)
{
    switch (m) {
    case M::TabMaxWidth: return "kelvane_TabMaxWidth";
    case M::TabHeight: return "kelvane_TabHeight";
    case M::TabFixedWidth: return "kelvane_TabFixedWidth";
    case M::TabFixedHeight: return "kelvane_TabFixedHeight";
    default: return "kelvane_TabMinWidth";
    }
}

void applyTabSizes(QObject* holder, QTabBar* bar)
{
    auto px = [&](M m, double tpp) {
        const QVariant v = holder->property(tabSizeProperty(m));
        return v.isValid() ? static_cast<int>(std::lround(v.toDouble() / tpp)) : 0;
    };
    const double tppX = twipsPerPixel(bar, false), tppY = twipsPerPixel(bar, true);
    QString css = QStringLiteral("QTabBar::tab {");
    if (int v = px(M::TabHeight, tppY); v > 0)
        css += QStringLiteral(" height: %1px;").arg(v);
    if (int v = px(M::TabFixedHeight, tppY); v > 0)
        css += QStringLiteral(" height: %1px;").arg(v);
    if (int v = px(M::TabMaxWidth, tppX); v > 0)
        css += QStringLiteral(" max-width: %1px;").arg(v);
    if (int v = px(M::TabFixedWidth, tppX); v > 0)
        css += QStringLiteral(" width: %1px;").arg(v);
    if (int v = px(M::TabMinWidth, tppX); v > 0)
        css += QStringLiteral(" min-width: %1px;").arg(v);
    css += QStringLiteral(" }");
    bar->setStyleSheet(css);
}

double tabSize(QObject* holder, QTabBar* bar, M m)
{
    const QVariant v = holder->property(tabSizeProperty(m));
    if (v.isValid())
        return v.toDouble();
    if (m == M::TabHeight || m == M::TabFixedHeight)
        return bar->sizeHint().height() * twipsPerPixel(bar, true);
    return 0;
}

void setTabSize(QObject* holder, QTabBar* bar, M m, const Value& value)
{
    const double v = finite(value);
    if (v < 0)
        invalidValue();
    holder->setProperty(tabSizeProperty(m), v);
    applyTabSizes(holder, bar);
}

} // namespace

std::optional<Value> getInner(QObject* o, Kind k, M m, const Array& args)
{
    switch (k) {
    case Kind::FlexGrid: return getFlexGrid(as<QTableWidget>(o), m, args);
    case Kind::DataGrid: return getDataGrid(as<QTableView>(o), m);
    case Kind::TabDialog: {
        auto* tabs = as<QTabWidget>(o);
        switch (m) {
        case M::Tab: return Value(static_cast<int32_t>(std::max(0, tabs->currentIndex())));
        case M::Tabs: return Value(static_cast<int32_t>(tabs->count()));
        case M::TabMaxWidth:
        case M::TabHeight: return Value(tabSize(tabs, tabs->tabBar(), m));
        default: return std::nullopt;
        }
    }
    case Kind::TabStrip: {
        auto* bar = as<QTabBar>(o);
        switch (m) {
        case M::TabFixedWidth:
        case M::TabFixedHeight:
        case M::TabMinWidth: return Value(tabSize(bar, bar, m));
        default: return std::nullopt;
        }
    }
    default: return std::nullopt;
    }
}

bool setInner(QObject* o, Kind k, M m, const Value& value, const Array& args)
{
    switch (k) {
    case Kind::FlexGrid: return setFlexGrid(as<QTableWidget>(o), m, value, args);
    case Kind::DataGrid: return setDataGrid(as<QTableView>(o), m, value);
    case Kind::TabDialog: {
        auto* tabs = as<QTabWidget>(o);
        if (m == M::Tab) {
            const int32_t i = value.toInt32();
            if (i < 0 || i >= tabs->count())
                invalidValue();
            tabs->setCurrentIndex(i);
            return true;
        }
        if (m == M::TabMaxWidth || m == M::TabHeight) {
            setTabSize(tabs, tabs->tabBar(), m, value);
            return true;
        }
        return false;
    }
    case Kind::TabStrip:
        if (m != M::TabFixedWidth && m != M::TabFixedHeight && m != M::TabMinWidth)
            return false;
        setTabSize(as<QTabBar>(o), as<QTabBar>(o), m, value);
        return true;
    default: return false;
    }
}

} // namespace kelvane::qt
