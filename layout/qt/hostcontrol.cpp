#include <kelvaneuc/hostcontrol.h>

#include "qt_control.h"

namespace kelvane {

Ref hostControl(QObject* object) { return qt::wrap(object); }

Array hostControls(std::initializer_list<QObject*> objects)
{
    Array list;
    list.reserve(objects.size());
    for (QObject* object : objects)
        list.emplace_back(qt::wrap(object));
    return list;
}

QObject* hostObject(const Ref& control) { return qt::unwrap(control); }

} // namespace kelvane
