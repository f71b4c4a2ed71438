#pragma once
// A Qt object of a host window (the window itself, a widget, a timer) seen as a control whose
// members are reached by name. A Qt property or dynamic property with the member's exact name
// wins over the built-in mapping, so a widget can add or override members by declaring them.
#include "access/access.h"
#include "qt_members.h"

#include <kelvaneuc/value.h>

#include <QPointer>
#include <QString>

class QObject;
class QWidget;

namespace kelvane::qt {

// The reference for a Qt object; the empty reference for null. Two references to one object
// are the same object.
Ref wrap(QObject* object);
// The Qt object behind a reference made by wrap, or null.
QObject* unwrap(const Ref& ref);

// The platform type name: the dynamic property "kind" when set, else by class.
std::string typeNameOf(const QObject* object);
// Whether the control takes part in the window's tab order.
bool hasTabIndex(const QObject* object);

class QtControl final : public Object, public MemberProbe, public LookKeeper {
public:
    explicit QtControl(QObject* object);
    std::string typeName() const override;
    Value get(std::string_view member, const Array& args = {}) override;
    void set(std::string_view member, const Value& value, const Array& args = {}) override;
    Value call(std::string_view member, Array& args) override;
    const void* identity() const override { return m_identity; }
    bool lacksMember(std::string_view member) const override;
    // Its palette as set on itself (the roles it inherits stay inherited), autoFillBackground
    // and whether it was disabled itself.
    std::function<void()> keepLook() override;

    QObject* object() const { return m_object.data(); }

private:
    QObject* live() const; // the object, or Failure(ObjectRequired) when it is gone
    Kind kind(const QObject* o) const;

    QPointer<QObject> m_object;
    const void* m_identity;
    mutable std::optional<Kind> m_kind;
    mutable std::optional<std::string> m_typeName;
};

} // namespace kelvane::qt
