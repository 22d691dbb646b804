#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quorvex {

class RackSlider;

/// An editor's vertical fader over 0 to `maximum` with position 0 at its top, named `name`
/// and at least `lines` text lines tall; a move of the person's runs `moved` with the
/// position.
RackSlider* MakeFader(QWidget* parent, const QString& name, int maximum, int lines,
                      std::function<void(int)> moved);

} // namespace quorvex
