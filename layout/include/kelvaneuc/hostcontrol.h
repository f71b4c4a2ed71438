#pragma once
// Qt objects of a host window as the controls the KelvaneUC tools take: a widget, the window
// itself or a timer, reached by member name (Left, Top, Width, Height in twips, TabIndex, ...).
#include <kelvaneuc/kelvaneucp_export.h>
#include <kelvaneuc/value.h>

#include <initializer_list>

class QObject;

namespace kelvane {

// The control reference for a Qt object; the empty reference for null. The reference does not
// keep the object alive: a member reached after the object is gone fails with err::ObjectRequired.
KELVANEUCP_EXPORT Ref hostControl(QObject* object);
// A list of controls for the tools' control-list parameters (AlignLefts, SpaceFixedLeftToRight, ...).
KELVANEUCP_EXPORT Array hostControls(std::initializer_list<QObject*> objects);
// The Qt object behind a reference made by hostControl (or returned by a tool), or null.
KELVANEUCP_EXPORT QObject* hostObject(const Ref& control);

} // namespace kelvane
