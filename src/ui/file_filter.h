#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

namespace quorvex {

/// The filter of an open or save dialog as the system writes it, pairs of description and
/// patterns separated by '|' ("Quorvex Files *.QVX|*.QVX|All Files *.*|*.*", patterns of one
/// pair separated by ';'), as Qt's dialogs take it: one "description (patterns)" entry each.
/// A description without its patterns is dropped; empty input gives an empty list.
QStringList QtNameFilters(std::string_view filter);

} // namespace quorvex
