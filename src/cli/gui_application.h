#pragma once

#include <QGuiApplication>

#include <memory>

namespace quorvex {

/// Drawing text needs a GUI application; qvx makes one on the offscreen platform, so a plot
/// or a sheet needs no display. Nothing when an application is already running; then
/// `available` tells whether it is one that can draw.
std::unique_ptr<QGuiApplication> GuiApplication(bool& available);

} // namespace quorvex
