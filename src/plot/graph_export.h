#pragma once

#include "plot/graph_content.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace quorvex {

enum class GraphFileFormat { Png, Svg, Pdf };

/// The format a file name asks for by its extension (".png", ".svg", ".pdf", in any case);
/// nothing for any other name.
std::optional<GraphFileFormat> GraphFileFormatFor(const QString& fileName);

/// The graph drawn at `size` (pixels; points of 1/96 inch for SVG and PDF, so every format
/// lays out the same) as the bytes of a file of `format`: a PNG image, an SVG drawing or a
/// one-page PDF document. Empty when `size` is empty or the encoder fails.
QByteArray RenderGraphFile(const GraphContent& content, QSize size, GraphFileFormat format);

/// The graph drawn at `size` into an image on the graph's background.
QImage RenderGraphImage(const GraphContent& content, QSize size);

} // namespace quorvex
