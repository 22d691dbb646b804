#pragma once

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace quorvex {

/// Writes `dir/<objectName>.png` for each window, rendered at its grab size whether shown or
/// not, and `dir/grab.json` listing each picture with its window and the graphs inside it.
/// Creates `dir` when missing. False, with `error` set, when a file could not be written.
bool GrabWindows(const std::vector<QWidget*>& windows, const QString& dir, std::string& error);

} // namespace quorvex
