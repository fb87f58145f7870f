// The host parts the component creates by ProgID, registered inside the
// DLL: the data access over ODBC, the host components, the viewers and a
// scripted presenter.
//
// A COM client has no console to answer dialogs on, so every dialog is
// answered unseen, as lumo-action's --answer and --pick do:
//   LUMO_ANSWER  yes, all, no, cancel or close (the default: every dialog closed)
//   LUMO_PICK    the record (from 1) a pickable list picks; 0 cancels
//   LUMO_TRACE   a file the trace log appends to (none: tracing off)
// and the host's session, which two actions read from the shared properties
// instead of dctPara's "PropString" (lumo-action's --props):
//   LUMO_PROPS   the session property string, published as the shared
//                property "PropsString" of the process
#pragma once

namespace lumo::com {

// Registers them once per process; error 5 naming the variable when one of
// them holds a value it does not take (the object is then not created).
void SetUpHostOnce();

}  // namespace lumo::com
