#pragma once

class QWidget;

namespace quorvex {

/// Gives `window` the rack's dark panel: light text, dark fields, readable disabled text,
/// so that the rack controls' light captions stand out as they do on the unit.
void ApplyRackWindowPalette(QWidget* window);

} // namespace quorvex
