#pragma once

#include <QString>

#include <functional>
#include <span>

class QWidget;

namespace quorvex {

class LedButton;
class RoundedButton;

/// The "Real Time" lamp of the main window and of every editor: one look and one name, so
/// a person sees the same lamp wherever the mode can be switched.
LedButton* MakeRealTimeLamp(QWidget* parent, std::function<void()> click);

/// An editor's top row: one select key per entry of `keys` (named `namePattern` with its
/// number from 1, captioned by its refresh), each running `select` with its number, and the
/// real-time lamp at the right end, put in `realTime`.
QWidget* MakeSelectRow(QWidget* parent, const QString& namePattern, std::span<RoundedButton*> keys,
                       std::function<void(int)> select, LedButton*& realTime,
                       std::function<void()> realTimeClick);

} // namespace quorvex
