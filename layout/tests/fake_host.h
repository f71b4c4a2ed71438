#pragma once
// A host for engine and tool tests: forms and controls of every kind the library handles, held
// as property maps, reached by member name like the real binding, with per-member failure
// injection and an access log.
//
//   FakeForm form;                                   // a "Form" named Form1, 9600 x 7200 twips
//   auto a = form.add("TextBox", "A", {.left = 1000, .top = 100, .width = 500, .height = 300});
//   auto f = form.add("Frame", "F", {.left = 0, .top = 1000, .width = 3000, .height = 2000});
//   auto x = form.add("TextBox", "X", {.left = 100, .top = 200, .width = 500, .height = 300}, f);
//   auto l = form.addLine("L", 100, 500, 400, 200);  // a line has X1..Y2 only
//   a->inject("Width", {.error = makeError(err::Overflow), .onGet = false});
//   ... run the code under test with form.ref() (or a, f, x as Ref) ...
//   EXPECT_FALSE(x->wasWritten("Left"));
//
// Every kind starts with the members the platform gives it (see kindMembers in fake_host.cpp):
// a timer has no Visible, Left, Top or TabIndex; an image has no TabIndex; a line has no
// Left, Top, Width, Height or Move. define() adds a member, remove() takes one away.
#include <kelvaneuc/host.h>
#include <kelvaneuc/value.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane::testing {

// Member names match without regard to case, as on the platform.
struct CaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

// Position and size in the container's units (twips unless the container says otherwise).
struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A failure to raise on a member: the error, which accesses it hits, and how many accesses of
// those kinds succeed first. times < 0 keeps failing for ever.
struct Fault {
    Error error = makeError(err::MissingMember);
    bool onGet = true;
    bool onSet = true;
    bool onCall = true;
    int after = 0;
    int times = -1;
};

// One access in a control's log. Objects in the arguments or the written value are kept only
// by identity (a log must not keep its form alive): they read as empty references here.
struct Access {
    enum Kind { Get, Set, Call } kind;
    std::string member;
    Array args;
    Value value;                  // what was written (Set only)
    const void* object = nullptr; // identity of a written object (Set only)
};

class FakeForm;
class FakeCollection;
class FakeControl;
using FakeRef = std::shared_ptr<FakeControl>;

class FakeControl : public Object, public std::enable_shared_from_this<FakeControl> {
public:
    explicit FakeControl(std::string typeName);
    ~FakeControl() override;

    std::string typeName() const override { return m_typeName; }
    Value get(std::string_view member, const Array& args = {}) override;
    void set(std::string_view member, const Value& value, const Array& args = {}) override;
    Value call(std::string_view member, Array& args) override;

    // Direct access for arranging and checking a test: no log, no injected failure.
    bool has(std::string_view member) const;
    void define(std::string_view member, Value value); // adds or replaces a stored member
    void remove(std::string_view member);              // the member is then missing
    Value raw(std::string_view member) const;          // empty when missing
    double num(std::string_view member) const;         // raw(member) as a number, 0 when missing
    std::string name() const { return raw("Name").toString(); }

    // Indexed members (RowHeight(r), ColWidth(c), FontWidthBand(b), ...) are stored as
    // "Member(i)"; a flexible grid's cell members as "CellFontSize(r,c)".
    void defineAt(std::string_view member, int32_t index, Value value);
    Value rawAt(std::string_view member, int32_t index) const;
    void defineCell(std::string_view member, int32_t row, int32_t col, Value value);
    Value rawCell(std::string_view member, int32_t row, int32_t col) const;

    // Builder helpers for the grids and tabbed dialogs.
    void setRows(const std::vector<double>& heights);                              // flexible grid: Rows and RowHeight(r)
    void setCols(const std::vector<double>& widths);                               // flexible grid: Cols and ColWidth(c)
    std::shared_ptr<FakeCollection> addColumns(const std::vector<double>& widths); // bound grid
    std::shared_ptr<FakeCollection> columns() const { return m_columns; }

    void inject(std::string_view member, Fault fault = {});
    void clearFaults();

    const std::vector<Access>& accesses() const { return m_log; }
    void clearLog() { m_log.clear(); }
    int reads(std::string_view member) const;
    int writes(std::string_view member) const;
    int calls(std::string_view member) const;
    bool wasWritten(std::string_view member) const { return writes(member) > 0; }
    bool untouched() const;                          // no write and no method call since the log was last cleared
    std::vector<std::string> writtenMembers() const; // in order, calls included

    Ref ref() { return shared_from_this(); }
    FakeRef container() const { return m_container.lock(); }
    FakeRef parentForm() const;
    int32_t page() const { return m_page; } // the tab of a tabbed dialog it sits on, or -1

private:
    friend class FakeForm;
    friend class FakeCollection;
    void checkFault(std::string_view member, Access::Kind kind);
    Value getMember(std::string_view member, const Array& args);
    void setMember(std::string_view member, const Value& value, const Array& args);
    void setTab(int32_t tab);
    std::string cellKey(std::string_view member) const;

    std::string m_typeName;
    std::map<std::string, Value, CaseLess> m_props;
    std::map<std::string, bool, CaseLess> m_methods;
    std::map<std::string, std::vector<Fault>, CaseLess> m_faults;
    std::map<std::string, std::vector<int>, CaseLess> m_faultHits;
    std::vector<Access> m_log;
    std::weak_ptr<FakeControl> m_form; // the form a control sits on
    std::weak_ptr<FakeControl> m_container;
    int32_t m_page = -1;
    std::shared_ptr<FakeCollection> m_columns;
    // The form's own state: every control in insertion order, the tab order, its collection.
    std::vector<FakeRef> m_controls;
    std::vector<FakeControl*> m_tabOrder;
    std::shared_ptr<FakeCollection> m_controlsCollection;
};

// A collection with Count and default item access Item(i), zero-based, in insertion order.
class FakeCollection final : public Object {
public:
    explicit FakeCollection(std::string typeName)
        : m_typeName(std::move(typeName))
    {
    }
    std::string typeName() const override { return m_typeName; }
    Value get(std::string_view member, const Array& args = {}) override;
    void set(std::string_view member, const Value& value, const Array& args = {}) override;
    Value call(std::string_view member, Array& args) override;

    // A Controls collection looks at its form's list; a Columns collection owns its members.
    void view(std::weak_ptr<FakeControl> form) { m_form = std::move(form); }
    std::vector<FakeRef>& owned() { return m_owned; }
    const std::vector<FakeRef>& items() const;

    int itemReads = 0; // Item accesses, to check that a walk is linear
    int countReads = 0;
    void inject(Fault fault)
    {
        m_fault = fault;
        m_faulty = true;
        m_hits = 0;
    }

private:
    std::string m_typeName;
    std::weak_ptr<FakeControl> m_form;
    std::vector<FakeRef> m_owned;
    Fault m_fault;
    bool m_faulty = false;
    int m_hits = 0;
};

// A form (or MDI parent form) with its controls. Owns them; controls refer back weakly, so a
// form and its controls are freed together when the last outside reference goes.
class FakeForm {
public:
    explicit FakeForm(std::string typeName = "Form", std::string name = "Form1",
                      Box box = {.left = 0, .top = 0, .width = 9600, .height = 7200});

    // A control of the given platform type. container: a frame, picture box, tabbed dialog...
    // (the form when empty). page: the tab of a tabbed dialog container it sits on; controls
    // on tabs not shown report Left shifted by -75000, as the platform does.
    FakeRef add(std::string_view typeName, std::string_view name, Box box = {}, const FakeRef& container = {}, int32_t page = 0);
    FakeRef addLine(std::string_view name, double x1, double y1, double x2, double y2, const FakeRef& container = {});

    const FakeRef& form() const { return m_form; }
    Ref ref() const { return m_form; }
    operator Ref() const { return m_form; }
    FakeControl* operator->() const { return m_form.get(); }
    const std::vector<FakeRef>& controls() const { return m_form->m_controls; }
    std::shared_ptr<FakeCollection> controlsCollection() const { return m_form->m_controlsCollection; }
    // Names of the controls that have a tab index, in tab order.
    std::vector<std::string> tabOrder() const;
    void clearLogs(); // of the form and every control

private:
    FakeRef m_form;
};

} // namespace kelvane::testing
