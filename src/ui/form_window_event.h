#pragma once

class QObject;

namespace quorvex {

/// Whether an event sent to `receiver` is meant for one of the program's form windows (a
/// widget inside a FormWindow), rather than for a Qt dialog or a platform window object.
bool IsForFormWindow(const QObject* receiver);

} // namespace quorvex
