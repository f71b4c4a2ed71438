#include "access/access.h"
#include "resize/engine.h"

#include <algorithm>
#include <vector>

namespace kelvane {

namespace {

Value at(int32_t index) { return Value(index); }

double indexed(const Ref& c, std::string_view member, int32_t index) { return c->get(member, Array{at(index)}).toDouble(); }

void setIndexed(const Ref& c, std::string_view member, int32_t index, double v) { c->set(member, Value(v), Array{at(index)}); }

// A widths-and-heights value the host keeps in 16 bits, rounded half to even.
Value int16Value(double v) { return Value(static_cast<int32_t>(Value(v).toInt16())); }

int32_t boundedCount(const Value& v, int32_t limit) { return std::clamp(v.toInt32(), 0, limit); }

void moveAndSize(Instance& inst, const Ref& c, double width)
{
    const Instance::Scratch s = inst.scratch;
    logged(inst, [&] { MoveAndSize(c, s.NewLeft, s.NewTop, width, s.NewHeight); });
}

// The current cell and selection of a flexible grid, put back however the adjustment ends.
class CellScope final {
public:
    explicit CellScope(const Ref& grid)
        : m_grid(grid)
        , m_row(grid->get("Row"))
        , m_col(grid->get("Col"))
        , m_rowSel(grid->get("RowSel"))
        , m_colSel(grid->get("ColSel"))
    {
    }
    ~CellScope() { restore(); }
    void restore()
    {
        if (m_done)
            return;
        m_done = true;
        // Row and Col first: moving the cell collapses the selection.
        ignored([&] { m_grid->set("Row", m_row); });
        ignored([&] { m_grid->set("Col", m_col); });
        ignored([&] { m_grid->set("RowSel", m_rowSel); });
        ignored([&] { m_grid->set("ColSel", m_colSel); });
    }
    CellScope(const CellScope&) = delete;
    CellScope& operator=(const CellScope&) = delete;

private:
    Ref m_grid;
    Value m_row, m_col, m_rowSel, m_colSel;
    bool m_done = false;
};

struct CellFont {
    std::string name;
    double size = 0;
};

CellFont readCellFont(const Ref& grid, int32_t row, int32_t col)
{
    grid->set("Row", at(row));
    grid->set("Col", at(col));
    return {grid->get("CellFontName").toString(), grid->get("CellFontSize").toDouble()};
}

} // namespace

void ResizeOneControl(Instance& inst, const Ref& control, double wr, double hr, double ox, double oy)
{
    inst.CurrentControlKind = GetKind(control);
    inst.CurrentControlName.clear();
    ignored([&] { inst.CurrentControlName = lowerCase(control->get("Name").toString()); });
    const std::string kind = inst.CurrentControlKind;

    // Bars keep their size unless the host says otherwise.
    bool cancel = kind == "toolbar" || kind == "axtoolbar" || IsAligned(control);
    if (inst.events)
        logged(inst, [&] { inst.events->BeforeResize(control, wr, hr, cancel); });
    if (cancel)
        return;

    logged(inst, [&] {
        if (kind == "picturebox")
            ResizePictureBox(inst, control, wr, hr);
        else if (kind == "image")
            ResizeImage(inst, control, wr, hr);
        else if (kind == "commandbutton")
            ResizeGeneric(inst, control, wr, hr);
        else if (kind == "dbgrid" || kind == "datagrid")
            ResizeBoundGrid(inst, control, wr, hr);
        else if (kind == "msflexgrid" || kind == "mshflexgrid")
            ResizeFlexGrid(inst, control, wr, hr);
        else if (kind == "tabstrip")
            ResizeTabStrip(inst, control, wr, hr);
        else if (kind == "sstab")
            ResizeTabbedDialog(inst, control, wr, hr);
        else if (kind == "data")
            ResizeGeneric(inst, control, wr, hr);
        else if (kind == "line")
            ResizeLine(inst, control, wr, hr, ox, oy);
        else if (kind == "commondialog" || kind == "timer" || kind == "sysinfo")
            return; // invisible components: events only
        else
            ResizeGeneric(inst, control, wr, hr);
    });

    if (inst.events)
        logged(inst, [&] { inst.events->AfterResize(control, wr, hr); });
}

void ResizeGeneric(Instance& inst, const Ref& control, double wr, double hr)
{
    const Instance::Scratch s = inst.scratch;
    const auto geometry = [&] {
        logged(inst, [&] { MoveToPosition(control, s.NewLeft, s.NewTop); });
        logged(inst, [&] { SetWidth(control, s.NewWidth); });
        logged(inst, [&] { SetHeight(control, s.NewHeight); });
    };
    // Growing controls get their room before the larger font, shrinking ones after the smaller.
    if (hr > 1)
        geometry();
    ScaleControlFont(inst, control, wr, hr);
    if (!(hr > 1))
        geometry();
}

void ResizePictureBox(Instance& inst, const Ref& control, double, double)
{
    const Instance::Scratch s = inst.scratch;
    MoveAndSize(control, s.NewLeft, s.NewTop, s.NewWidth, s.NewHeight);
    // A box without AutoSize (most hosts' plain panels) has no picture to stretch.
    bool autoSize = false;
    ignored([&] { autoSize = control->get("AutoSize").toBool(); });
    if (!autoSize)
        return;
    Value redraw;
    const bool known = ignored([&] { redraw = control->get("AutoRedraw"); });
    ignored([&] { control->set("AutoRedraw", Value(true)); });
    ignored([&] {
        Array args{control->get("Picture"), Value(0.0), Value(0.0), Value(s.NewWidth), Value(s.NewHeight)};
        control->call("PaintPicture", args);
    });
    if (known)
        ignored([&] { control->set("AutoRedraw", redraw); });
}

void ResizeImage(Instance& inst, const Ref& control, double, double)
{
    const Instance::Scratch s = inst.scratch;
    bool stretch = false;
    ignored([&] { stretch = control->get("Stretch").toBool(); });
    if (stretch)
        ignored([&] { MoveAndSize(control, s.NewLeft, s.NewTop, s.NewWidth, s.NewHeight); });
    else
        ignored([&] { MoveToPosition(control, s.NewLeft, s.NewTop); });
}

void ResizeLine(Instance&, const Ref& control, double wr, double hr, double ox, double oy)
{
    SetX1(control, ox + (GetX1(control) - ox) * wr);
    SetX2(control, ox + (GetX2(control) - ox) * wr);
    SetY1(control, oy + (GetY1(control) - oy) * hr);
    SetY2(control, oy + (GetY2(control) - oy) * hr);
}

void ResizeBoundGrid(Instance& inst, const Ref& control, double wr, double hr)
{
    const double width = inst.scratch.ScrollAdjustedWidth;
    if (hr > 1)
        moveAndSize(inst, control, width);
    const Ref columns = control->get("Columns").toObject();
    const int32_t count = std::clamp(GetCount(columns), 0, kMaxColumns);
    std::vector<double> widths;
    widths.reserve(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        widths.push_back(GetWidth(GetItem(columns, i)));
    const double rowHeight = GetRowHeight(control);
    const double defColWidth = GetDefColWidth(control);
    ScaleHeadFont(inst, control, wr, hr);
    ScaleControlFont(inst, control, wr, hr);
    SetRowHeight(control, hr * rowHeight);
    SetDefColWidth(control, wr * defColWidth);
    for (int32_t i = 0; i < count; ++i)
        SetWidth(GetItem(columns, i), wr * widths[static_cast<std::size_t>(i)]);
    moveAndSize(inst, control, width);
}

void ResizeTabStrip(Instance& inst, const Ref& control, double wr, double hr)
{
    const double width = inst.scratch.NewWidth;
    if (hr > 1)
        moveAndSize(inst, control, width);
    const double fixedHeight = control->get("TabFixedHeight").toDouble();
    const double fixedWidth = control->get("TabFixedWidth").toDouble();
    const double minWidth = control->get("TabMinWidth").toDouble();
    ScaleControlFont(inst, control, wr, hr);
    control->set("TabFixedWidth", Value(wr * fixedWidth));
    control->set("TabFixedHeight", Value(hr * fixedHeight));
    control->set("TabMinWidth", Value(hr * minWidth)); // by height, as the strip lays tabs out
    moveAndSize(inst, control, width);
}

void ResizeTabbedDialog(Instance& inst, const Ref& control, double wr, double hr)
{
    const double width = inst.scratch.NewWidth;
    const double maxWidth = control->get("TabMaxWidth").toDouble();
    const double tabHeight = control->get("TabHeight").toDouble();
    // The dialog recomputes its tabs whenever its size or font changes: set them each time.
    const auto setTabs = [&] {
        control->set("TabMaxWidth", Value(wr * maxWidth));
        control->set("TabHeight", Value(hr * tabHeight));
    };
    if (hr > 1) {
        moveAndSize(inst, control, width);
        logged(inst, [&] { control->set("TabMaxWidth", Value(wr * maxWidth)); });
        logged(inst, [&] { control->set("TabHeight", Value(hr * tabHeight)); });
    }
    setTabs();
    ScaleControlFont(inst, control, wr, hr);
    setTabs();
    moveAndSize(inst, control, width);
    setTabs();
}

void ResizeFlexGrid(Instance& inst, const Ref& control, double wr, double hr)
{
    const Instance::Scratch s = inst.scratch;
    if (hr > 1)
        moveAndSize(inst, control, s.ScrollAdjustedWidth);

    CellScope cell(control);
    const int32_t cols = std::max(control->get("Cols").toInt32(), 0);
    const int32_t rows = std::max(control->get("Rows").toInt32(), 0);
    if (cols > kMaxGridLines || rows > kMaxGridLines) {
        inst.addLogLine("Grid too large: rows and columns left as they are");
        cell.restore();
        moveAndSize(inst, control, s.NewWidth);
        return;
    }

    std::vector<double> rowHeights, colWidths;
    rowHeights.reserve(static_cast<std::size_t>(rows));
    colWidths.reserve(static_cast<std::size_t>(cols));
    for (int32_t r = 0; r < rows; ++r)
        rowHeights.push_back(indexed(control, "RowHeight", r));
    const double rowHeightMin = control->get("RowHeightMin").toDouble();
    for (int32_t c = 0; c < cols; ++c)
        colWidths.push_back(indexed(control, "ColWidth", c));

    // Cells whose font follows the grid's are scaled with it; the rest on their own.
    const bool cellFonts = static_cast<int64_t>(rows) * cols <= kMaxGridCells;
    std::vector<CellFont> fonts;
    if (cellFonts) {
        fonts.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
        for (int32_t r = 0; r < rows; ++r)
            for (int32_t c = 0; c < cols; ++c)
                fonts.push_back(readCellFont(control, r, c));
    }
    ScaleControlFont(inst, control, wr, hr);
    if (cellFonts) {
        std::size_t i = 0;
        for (int32_t r = 0; r < rows; ++r)
            for (int32_t c = 0; c < cols; ++c, ++i) {
                const CellFont now = readCellFont(control, r, c);
                if (now.name == fonts[i].name && now.size == fonts[i].size)
                    ScaleCellFont(inst, control, wr, hr);
            }
    } else {
        inst.addLogLine("Grid too large: cell fonts left as they are");
    }

    if (inst.CurrentControlKind == "mshflexgrid") {
        control->set("FontWidth", int16Value(wr * control->get("FontWidth").toDouble()));
        const int32_t bands = boundedCount(control->get("Bands"), kMaxGridLines);
        for (int32_t b = 0; b < bands; ++b) {
            control->set("FontWidthBand", int16Value(wr * indexed(control, "FontWidthBand", b)), Array{at(b)});
            control->set("FontWidthHeader", int16Value(wr * indexed(control, "FontWidthHeader", b)), Array{at(b)});
        }
        control->set("FontWidthFixed", int16Value(wr * control->get("FontWidthFixed").toDouble()));
    }

    cell.restore();
    control->set("RowHeightMin", Value(hr * rowHeightMin));
    for (int32_t c = 0; c < cols; ++c)
        setIndexed(control, "ColWidth", c, wr * colWidths[static_cast<std::size_t>(c)]);
    for (int32_t r = 0; r < rows; ++r)
        setIndexed(control, "RowHeight", r, hr * rowHeights[static_cast<std::size_t>(r)]);

    // A vertical bar shows when the rows overflow; then the bar keeps the system's width.
    double width = s.NewWidth;
    if ((control->get("ScrollBars").toInt32() & 2) != 0 && rows > 0 &&
        indexed(control, "RowPos", rows - 1) + indexed(control, "RowHeight", rows - 1) > s.NewHeight)
        width = s.ScrollAdjustedWidth;
    moveAndSize(inst, control, width);
}

} // namespace kelvane
