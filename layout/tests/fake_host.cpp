#include "fake_host.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>

namespace kelvane::testing {

namespace {

constexpr double HiddenTabShift = 75000; // the platform parks controls of hidden tabs this far left
constexpr int32_t InvalidPropertyValue = 380;

std::string lower(std::string_view s)
{
    std::string out(s);
    for (auto& ch : out)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

bool sameName(std::string_view a, std::string_view b) { return a.size() == b.size() && lower(a) == lower(b); }

bool isFlexGrid(const std::string& kind) { return kind == "msflexgrid" || kind == "mshflexgrid"; }

// Members computed from the control's relations rather than read from the map. The map holds
// a marker for each so that presence, removal and injection work alike for every member.
const std::set<std::string, CaseLess> computedMembers{"Container", "Parent",   "TabIndex", "Controls",
                                                      "Font",      "HeadFont", "Columns",  "RowPos"};

struct KindMembers {
    std::vector<std::pair<const char*, Value>> props;
    std::vector<const char*> methods;
};

// The members each kind starts with, as the platform gives them.
KindMembers kindMembers(const std::string& kind, const Box& box)
{
    const std::vector<std::pair<const char*, Value>> placed{{"Left", box.left},     {"Top", box.top},  {"Width", box.width},
                                                            {"Height", box.height}, {"Visible", true}, {"Container", Value()},
                                                            {"Parent", Value()},    {"Tag", ""}};
    const std::vector<std::pair<const char*, Value>> font{{"Font", Value()}, {"FontName", "MS Sans Serif"}, {"FontSize", 8.25}};
    const std::vector<const char*> windowed{"Move", "Refresh", "SetFocus", "ZOrder"};
    KindMembers m;
    auto add = [&m](const std::vector<std::pair<const char*, Value>>& more) {
        m.props.insert(m.props.end(), more.begin(), more.end());
    };

    if (kind == "form" || kind == "mdiform") {
        add({{"Left", box.left},
             {"Top", box.top},
             {"Width", box.width},
             {"Height", box.height},
             {"ScaleWidth", box.width},
             {"ScaleHeight", box.height},
             {"Visible", true},
             {"Enabled", true},
             {"Caption", ""},
             {"WindowState", 0},
             {"StartUpPosition", 0},
             {"BackColor", static_cast<int32_t>(0x8000000F)},
             {"Controls", Value()},
             {"Tag", ""}});
        if (kind == "form")
            add({{"ScaleMode", 1}, {"ClipControls", true}, {"MDIChild", false}});
        if (kind == "form")
            add(font);
        m.methods = {"Move", "Refresh", "SetFocus", "ZOrder", "Show", "Hide"};
        return m;
    }
    if (kind == "line") {
        add({{"X1", box.left},
             {"Y1", box.top},
             {"X2", box.left + box.width},
             {"Y2", box.top + box.height},
             {"Visible", true},
             {"Container", Value()},
             {"Parent", Value()},
             {"BorderColor", 0},
             {"BorderWidth", 1},
             {"Tag", ""}});
        m.methods = {"Refresh", "ZOrder"};
        return m;
    }
    if (kind == "timer") {
        add({{"Enabled", true}, {"Interval", 0}, {"Parent", Value()}, {"Tag", ""}});
        return m;
    }
    if (kind == "commondialog" || kind == "sysinfo") {
        add({{"Parent", Value()}, {"Tag", ""}});
        return m;
    }
    if (kind == "menu") {
        // The menu bar sits on its form, so the form's children include it (the engine counts
        // the menu height from there); it has no position of its own.
        add({{"Caption", ""},
             {"Checked", false},
             {"Enabled", true},
             {"Visible", true},
             {"Container", Value()},
             {"Parent", Value()},
             {"Tag", ""}});
        return m;
    }

    add(placed);
    m.methods = windowed;
    if (kind == "image") {
        add({{"Enabled", true}, {"Stretch", false}, {"Picture", 0}});
        m.methods = {"Move", "Refresh", "ZOrder"};
        return m;
    }
    if (kind == "shape") {
        add({{"BackColor", 0xFFFFFF}, {"BorderColor", 0}});
        m.methods = {"Move", "Refresh", "ZOrder"};
        return m;
    }
    add({{"Enabled", true}, {"BackColor", static_cast<int32_t>(0x8000000F)}});
    add(font);
    if (kind != "data")
        add({{"TabIndex", Value()}});
    if (kind == "picturebox") {
        add({{"Align", 0},
             {"ScaleMode", 1},
             {"ScaleWidth", box.width},
             {"ScaleHeight", box.height},
             {"AutoSize", false},
             {"AutoRedraw", false},
             {"Picture", 0}});
        m.methods.push_back("PaintPicture");
        m.methods.push_back("Cls");
    } else if (kind == "data") {
        add({{"Align", 0}});
    } else if (kind == "toolbar") {
        add({{"Align", 1}});
    } else if (kind == "dbgrid" || kind == "datagrid") {
        add({{"HeadFont", Value()},
             {"HeadFontName", "MS Sans Serif"},
             {"HeadFontSize", 8.25},
             {"RowHeight", 225},
             {"DefColWidth", 0},
             {"Columns", Value()}});
    } else if (isFlexGrid(kind)) {
        add({{"Rows", 0},
             {"Cols", 0},
             {"Row", 0},
             {"Col", 0},
             {"RowSel", 0},
             {"ColSel", 0},
             {"RowHeight", 240},
             {"ColWidth", 960},
             {"RowHeightMin", 0},
             {"RowPos", Value()},
             {"ScrollBars", 3},
             {"CellFontName", ""},
             {"CellFontSize", 0.0},
             {"CellFontWidth", 0.0}});
        if (kind == "mshflexgrid")
            add({{"FontWidth", 0}, {"Bands", 1}, {"FontWidthBand", 0}, {"FontWidthHeader", 0}, {"FontWidthFixed", 0}});
    } else if (kind == "tabstrip") {
        add({{"TabFixedHeight", 0}, {"TabFixedWidth", 0}, {"TabMinWidth", 0}});
    } else if (kind == "sstab") {
        add({{"Tab", 0}, {"Tabs", 3}, {"TabMaxWidth", 0}, {"TabHeight", 300}});
    }
    return m;
}

// A copy without owning references, for the access log.
Value detached(const Value& v)
{
    if (v.isObject())
        return Value(Ref());
    if (v.isArray()) {
        Array out;
        for (const auto& e : v.array())
            out.push_back(detached(e));
        return Value(std::move(out));
    }
    return v;
}

Array detached(const Array& args) { return detached(Value(args)).array(); }

std::string indexKey(std::string_view member, int32_t index) { return std::string(member) + "(" + std::to_string(index) + ")"; }

// The font object of a control: its writes land on the control's own members (Font.Size is
// the control's FontSize), so they show in the control's log and obey its injected failures.
class FakeFont final : public Object {
public:
    FakeFont(FakeRef owner, std::string prefix, int tag)
        : m_owner(std::move(owner))
        , m_prefix(std::move(prefix))
        , m_tag(tag)
    {
    }
    std::string typeName() const override { return "StdFont"; }
    Value get(std::string_view member, const Array& args) override { return m_owner->get(m_prefix + std::string(member), args); }
    void set(std::string_view member, const Value& value, const Array& args) override
    {
        m_owner->set(m_prefix + std::string(member), value, args);
    }
    Value call(std::string_view member, Array& args) override { return get(member, args); }
    const void* identity() const override { return reinterpret_cast<const char*>(m_owner.get()) + m_tag; }

private:
    FakeRef m_owner;
    std::string m_prefix;
    int m_tag;
};

} // namespace

bool CaseLess::operator()(std::string_view a, std::string_view b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

// --- FakeControl ---

FakeControl::FakeControl(std::string typeName)
    : m_typeName(std::move(typeName))
{
}

FakeControl::~FakeControl() = default;

bool FakeControl::has(std::string_view member) const { return m_props.contains(member) || m_methods.contains(member); }

void FakeControl::define(std::string_view member, Value value)
{
    if (sameName(member, "TabIndex")) {
        m_props.insert_or_assign(std::string(member), Value());
        auto form = parentForm();
        if (!form)
            return;
        auto& order = form->m_tabOrder;
        order.erase(std::remove(order.begin(), order.end(), this), order.end());
        const auto at = std::clamp<int64_t>(value.isEmpty() ? static_cast<int64_t>(order.size()) : value.toInt32(), 0,
                                            static_cast<int64_t>(order.size()));
        order.insert(order.begin() + at, this);
        return;
    }
    if (sameName(member, "Container")) {
        m_props.insert_or_assign(std::string(member), Value());
        if (value.isObject())
            m_container = std::dynamic_pointer_cast<FakeControl>(value.toObject());
        return;
    }
    m_props.insert_or_assign(std::string(member), std::move(value));
}

void FakeControl::remove(std::string_view member)
{
    if (auto it = m_props.find(member); it != m_props.end())
        m_props.erase(it);
    if (auto it = m_methods.find(member); it != m_methods.end())
        m_methods.erase(it);
    if (sameName(member, "TabIndex")) {
        if (auto form = parentForm()) {
            auto& order = form->m_tabOrder;
            order.erase(std::remove(order.begin(), order.end(), this), order.end());
        }
    }
}

Value FakeControl::raw(std::string_view member) const
{
    auto it = m_props.find(member);
    return it == m_props.end() ? Value() : it->second;
}

double FakeControl::num(std::string_view member) const
{
    const Value v = raw(member);
    return v.isNumber() ? v.toDouble() : 0.0;
}

void FakeControl::defineAt(std::string_view member, int32_t index, Value value)
{
    m_props.insert_or_assign(indexKey(member, index), std::move(value));
}

Value FakeControl::rawAt(std::string_view member, int32_t index) const { return raw(indexKey(member, index)); }

void FakeControl::defineCell(std::string_view member, int32_t row, int32_t col, Value value)
{
    m_props.insert_or_assign(std::string(member) + "(" + std::to_string(row) + "," + std::to_string(col) + ")", std::move(value));
}

Value FakeControl::rawCell(std::string_view member, int32_t row, int32_t col) const
{
    return raw(std::string(member) + "(" + std::to_string(row) + "," + std::to_string(col) + ")");
}

void FakeControl::setRows(const std::vector<double>& heights)
{
    define("Rows", static_cast<int32_t>(heights.size()));
    for (std::size_t r = 0; r < heights.size(); ++r)
        defineAt("RowHeight", static_cast<int32_t>(r), heights[r]);
}

void FakeControl::setCols(const std::vector<double>& widths)
{
    define("Cols", static_cast<int32_t>(widths.size()));
    for (std::size_t c = 0; c < widths.size(); ++c)
        defineAt("ColWidth", static_cast<int32_t>(c), widths[c]);
}

std::shared_ptr<FakeCollection> FakeControl::addColumns(const std::vector<double>& widths)
{
    if (!m_columns)
        m_columns = std::make_shared<FakeCollection>("Columns");
    for (double w : widths) {
        auto column = std::make_shared<FakeControl>("Column");
        column->define("Width", w);
        column->define("Caption", "");
        column->define("Visible", true);
        m_columns->owned().push_back(column);
    }
    if (!has("Columns"))
        define("Columns", Value());
    return m_columns;
}

void FakeControl::inject(std::string_view member, Fault fault)
{
    m_faults[std::string(member)].push_back(fault);
    m_faultHits[std::string(member)].push_back(0);
}

void FakeControl::clearFaults()
{
    m_faults.clear();
    m_faultHits.clear();
}

void FakeControl::checkFault(std::string_view member, Access::Kind kind)
{
    auto it = m_faults.find(member);
    if (it == m_faults.end())
        return;
    auto& hits = m_faultHits[it->first];
    for (std::size_t i = 0; i < it->second.size(); ++i) {
        const Fault& f = it->second[i];
        const bool applies =
            (kind == Access::Get && f.onGet) || (kind == Access::Set && f.onSet) || (kind == Access::Call && f.onCall);
        if (!applies)
            continue;
        const int seen = hits[i]++;
        if (seen < f.after)
            continue;
        if (f.times < 0 || seen - f.after < f.times)
            throw Failure(f.error);
    }
}

FakeRef FakeControl::parentForm() const { return m_form.lock(); }

int FakeControl::reads(std::string_view member) const
{
    return static_cast<int>(std::count_if(m_log.begin(), m_log.end(),
                                          [&](const Access& a) { return a.kind == Access::Get && sameName(a.member, member); }));
}

int FakeControl::writes(std::string_view member) const
{
    return static_cast<int>(std::count_if(m_log.begin(), m_log.end(),
                                          [&](const Access& a) { return a.kind == Access::Set && sameName(a.member, member); }));
}

int FakeControl::calls(std::string_view member) const
{
    return static_cast<int>(std::count_if(m_log.begin(), m_log.end(),
                                          [&](const Access& a) { return a.kind == Access::Call && sameName(a.member, member); }));
}

bool FakeControl::untouched() const
{
    return std::none_of(m_log.begin(), m_log.end(), [](const Access& a) { return a.kind != Access::Get; });
}

std::vector<std::string> FakeControl::writtenMembers() const
{
    std::vector<std::string> out;
    for (const auto& a : m_log)
        if (a.kind != Access::Get)
            out.push_back(a.member);
    return out;
}

std::string FakeControl::cellKey(std::string_view member) const
{
    return std::string(member) + "(" + std::to_string(num("Row") < 0 ? 0 : static_cast<int32_t>(num("Row"))) + "," +
        std::to_string(static_cast<int32_t>(num("Col"))) + ")";
}

Value FakeControl::get(std::string_view member, const Array& args)
{
    m_log.push_back({Access::Get, std::string(member), detached(args), Value()});
    checkFault(member, Access::Get);
    if (!m_props.contains(member))
        throw Failure(err::MissingMember);
    return getMember(member, args);
}

Value FakeControl::getMember(std::string_view member, const Array& args)
{
    const std::string kind = lower(m_typeName);
    if (sameName(member, "Parent"))
        return Ref(parentForm());
    if (sameName(member, "Container")) {
        if (auto c = container())
            return Ref(c);
        return Ref(parentForm());
    }
    if (sameName(member, "TabIndex")) {
        if (auto form = parentForm()) {
            const auto& order = form->m_tabOrder;
            auto it = std::find(order.begin(), order.end(), this);
            if (it != order.end())
                return static_cast<int32_t>(it - order.begin());
        }
        return 0;
    }
    if (sameName(member, "Controls")) {
        if (!m_controlsCollection) {
            m_controlsCollection = std::make_shared<FakeCollection>("Object");
            m_controlsCollection->view(weak_from_this());
        }
        return Ref(m_controlsCollection);
    }
    if (sameName(member, "Font"))
        return Ref(std::make_shared<FakeFont>(shared_from_this(), "Font", 1));
    if (sameName(member, "HeadFont"))
        return Ref(std::make_shared<FakeFont>(shared_from_this(), "HeadFont", 2));
    if (sameName(member, "Columns")) {
        if (!m_columns)
            m_columns = std::make_shared<FakeCollection>("Columns");
        return Ref(m_columns);
    }
    if (isFlexGrid(kind) && member.size() > 4 && sameName(member.substr(0, 4), "Cell")) {
        if (auto it = m_props.find(cellKey(member)); it != m_props.end())
            return it->second;
        // A cell never given its own font shows the grid's.
        if (sameName(member, "CellFontName"))
            return raw("FontName");
        if (sameName(member, "CellFontSize"))
            return raw("FontSize");
        return raw(member);
    }
    if (isFlexGrid(kind) && sameName(member, "RowPos")) {
        const int32_t row = args.empty() ? 0 : args[0].toInt32();
        if (row < 0 || row >= static_cast<int32_t>(num("Rows")))
            throw Failure(err::SubscriptOutOfRange);
        double pos = 0;
        for (int32_t r = 0; r < row; ++r)
            pos += rawAt("RowHeight", r).isNumber() ? rawAt("RowHeight", r).toDouble() : num("RowHeight");
        return pos;
    }
    if (!args.empty()) {
        auto it = m_props.find(indexKey(member, args[0].toInt32()));
        if (it == m_props.end())
            throw Failure(err::SubscriptOutOfRange);
        return it->second;
    }
    return m_props.find(member)->second;
}

void FakeControl::set(std::string_view member, const Value& value, const Array& args)
{
    const Ref written = value.isObject() ? value.toObject() : nullptr;
    m_log.push_back({Access::Set, std::string(member), detached(args), detached(value), written ? written->identity() : nullptr});
    checkFault(member, Access::Set);
    if (!m_props.contains(member) || sameName(member, "Parent") || sameName(member, "Controls") || sameName(member, "Columns") ||
        sameName(member, "RowPos"))
        throw Failure(err::MissingMember);
    setMember(member, value, args);
}

void FakeControl::setMember(std::string_view member, const Value& value, const Array& args)
{
    const std::string kind = lower(m_typeName);
    if (sameName(member, "TabIndex")) {
        const int32_t n = value.toInt32();
        if (n < 0)
            throw Failure(InvalidPropertyValue, "Invalid property value");
        auto form = parentForm();
        if (!form)
            return;
        // The platform keeps a form's tab indexes contiguous: the control moves to n and the
        // others close up behind it.
        auto& order = form->m_tabOrder;
        order.erase(std::remove(order.begin(), order.end(), this), order.end());
        order.insert(order.begin() + std::min<std::size_t>(static_cast<std::size_t>(n), order.size()), this);
        return;
    }
    if (sameName(member, "Container")) {
        auto target = std::dynamic_pointer_cast<FakeControl>(value.toObject());
        if (!target)
            throw Failure(InvalidPropertyValue, "Invalid property value");
        m_container = target;
        return;
    }
    if (sameName(member, "Font") || sameName(member, "HeadFont")) {
        const Ref font = value.toObject();
        if (!font)
            throw Failure(err::ObjectRequired);
        const std::string prefix(member);
        m_props.insert_or_assign(prefix + "Name", font->get("Name"));
        m_props.insert_or_assign(prefix + "Size", font->get("Size"));
        return;
    }
    if (kind == "sstab" && sameName(member, "Tab")) {
        const int32_t tab = value.toInt32();
        if (tab < 0 || tab >= static_cast<int32_t>(num("Tabs")))
            throw Failure(InvalidPropertyValue, "Invalid property value");
        setTab(tab);
        return;
    }
    if (isFlexGrid(kind) && member.size() > 4 && sameName(member.substr(0, 4), "Cell")) {
        m_props.insert_or_assign(cellKey(member), value);
        return;
    }
    if (isFlexGrid(kind) && (sameName(member, "Row") || sameName(member, "Col"))) {
        const int32_t limit = static_cast<int32_t>(num(sameName(member, "Row") ? "Rows" : "Cols"));
        const int32_t v = value.toInt32();
        if (v < 0 || v >= std::max(limit, 1))
            throw Failure(InvalidPropertyValue, "Invalid property value");
    }
    if (!args.empty()) {
        auto it = m_props.find(indexKey(member, args[0].toInt32()));
        if (it == m_props.end())
            throw Failure(err::SubscriptOutOfRange);
        it->second = value;
        return;
    }
    m_props.find(member)->second = value;
}

void FakeControl::setTab(int32_t tab)
{
    const auto current = static_cast<int32_t>(num("Tab"));
    m_props.insert_or_assign("Tab", tab);
    if (tab == current)
        return;
    auto form = parentForm();
    if (!form)
        return;
    for (const auto& c : form->m_controls) {
        if (c->container().get() != this || !c->has("Left"))
            continue;
        auto& left = c->m_props.find("Left")->second;
        if (c->m_page == current)
            left = left.toDouble() - HiddenTabShift;
        else if (c->m_page == tab)
            left = left.toDouble() + HiddenTabShift;
    }
}

Value FakeControl::call(std::string_view member, Array& args)
{
    m_log.push_back({Access::Call, std::string(member), detached(args), Value()});
    checkFault(member, Access::Call);
    if (m_props.contains(member))
        return getMember(member, args);
    if (!m_methods.contains(member))
        throw Failure(err::MissingMember);
    if (sameName(member, "Move")) {
        if (args.empty() || args.size() > 4)
            throw Failure(err::InvalidCall, "Wrong number of arguments or invalid property assignment");
        static constexpr const char* fields[] = {"Left", "Top", "Width", "Height"};
        // Convert every argument first so a bad one changes nothing.
        double values[4] = {};
        for (std::size_t i = 0; i < args.size(); ++i)
            values[i] = args[i].toDouble();
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (!m_props.contains(fields[i]))
                throw Failure(err::MissingMember);
            m_props.find(fields[i])->second = values[i];
        }
    }
    return Value();
}

// --- FakeCollection ---

const std::vector<FakeRef>& FakeCollection::items() const
{
    if (auto form = m_form.lock())
        return form->m_controls;
    return m_owned;
}

Value FakeCollection::get(std::string_view member, const Array& args)
{
    if (m_faulty) {
        const int seen = m_hits++;
        if (seen >= m_fault.after && (m_fault.times < 0 || seen - m_fault.after < m_fault.times))
            throw Failure(m_fault.error);
    }
    const auto& list = items();
    if (sameName(member, "Count") && args.empty()) {
        ++countReads;
        return static_cast<int32_t>(list.size());
    }
    if ((member.empty() || sameName(member, "Item")) && args.size() == 1) {
        ++itemReads;
        if (args[0].isString()) {
            for (const auto& c : list)
                if (sameName(c->name(), args[0].toString()))
                    return Ref(c);
            throw Failure(err::SubscriptOutOfRange);
        }
        const int32_t i = args[0].toInt32();
        if (i < 0 || i >= static_cast<int32_t>(list.size()))
            throw Failure(err::SubscriptOutOfRange);
        return Ref(list[static_cast<std::size_t>(i)]);
    }
    throw Failure(err::MissingMember);
}

void FakeCollection::set(std::string_view, const Value&, const Array&) { throw Failure(err::MissingMember); }

Value FakeCollection::call(std::string_view member, Array& args) { return get(member, args); }

// --- FakeForm ---

FakeForm::FakeForm(std::string typeName, std::string name, Box box)
    : m_form(std::make_shared<FakeControl>(typeName))
{
    const auto members = kindMembers(lower(typeName), box);
    for (const auto& [member, value] : members.props)
        m_form->m_props.insert_or_assign(member, value);
    for (const char* method : members.methods)
        m_form->m_methods.insert_or_assign(method, true);
    m_form->define("Name", name);
    m_form->m_controlsCollection = std::make_shared<FakeCollection>("Object");
    m_form->m_controlsCollection->view(m_form);
}

FakeRef FakeForm::add(std::string_view typeName, std::string_view name, Box box, const FakeRef& container, int32_t page)
{
    auto c = std::make_shared<FakeControl>(std::string(typeName));
    const auto members = kindMembers(lower(typeName), box);
    for (const auto& [member, value] : members.props)
        c->m_props.insert_or_assign(member, value);
    for (const char* method : members.methods)
        c->m_methods.insert_or_assign(method, true);
    c->m_props.insert_or_assign("Name", std::string(name));
    c->m_form = m_form;
    if (container && container != m_form)
        c->m_container = container;
    if (container && lower(container->typeName()) == "sstab") {
        c->m_page = page;
        if (page != static_cast<int32_t>(container->num("Tab")) && c->has("Left"))
            c->m_props.insert_or_assign("Left", box.left - HiddenTabShift);
    }
    m_form->m_controls.push_back(c);
    if (c->has("TabIndex"))
        m_form->m_tabOrder.push_back(c.get());
    return c;
}

FakeRef FakeForm::addLine(std::string_view name, double x1, double y1, double x2, double y2, const FakeRef& container)
{
    auto line = add("Line", name, {}, container);
    line->define("X1", x1);
    line->define("Y1", y1);
    line->define("X2", x2);
    line->define("Y2", y2);
    return line;
}

std::vector<std::string> FakeForm::tabOrder() const
{
    std::vector<std::string> names;
    for (const FakeControl* c : m_form->m_tabOrder)
        names.push_back(c->name());
    return names;
}

void FakeForm::clearLogs()
{
    m_form->clearLog();
    for (const auto& c : m_form->m_controls)
        c->clearLog();
}

} // namespace kelvane::testing
