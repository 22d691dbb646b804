#include "plot/graph_export.h"

#include "plot/graph_painter.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace quorvex {

namespace {

/// The resolution the vector formats are laid out at, so text and lines keep the
/// proportions of the window.
constexpr int VectorResolution = 96;

QByteArray PngBytes(const GraphContent& content, QSize size) {
    const QImage image = RenderGraphImage(content, size);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

QByteArray SvgBytes(const GraphContent& content, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {};
    }
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(VectorResolution);
    generator.setTitle(content.Title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        return {};
    }
    PaintGraph(painter, QRectF(QPointF(0, 0), size), content);
    painter.end();
    return bytes;
}

QByteArray PdfBytes(const GraphContent& content, QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {};
    }
    QPdfWriter writer(&buffer);
    writer.setResolution(VectorResolution);
    writer.setTitle(content.Title);
    // A page the size of the graph, so the document is the plot and nothing else.
    const QSizeF points(size.width() * 72.0 / VectorResolution,
                        size.height() * 72.0 / VectorResolution);
    writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return {};
    }
    PaintGraph(painter, QRectF(QPointF(0, 0), size), content);
    painter.end();
    return bytes;
}

} // namespace

std::optional<GraphFileFormat> GraphFileFormatFor(const QString& fileName) {
    const QString lower = fileName.toLower();
    if (lower.endsWith(QStringLiteral(".png"))) {
        return GraphFileFormat::Png;
    }
    if (lower.endsWith(QStringLiteral(".svg"))) {
        return GraphFileFormat::Svg;
    }
    if (lower.endsWith(QStringLiteral(".pdf"))) {
        return GraphFileFormat::Pdf;
    }
    return std::nullopt;
}

QImage RenderGraphImage(const GraphContent& content, QSize size) {
    if (size.isEmpty()) {
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintGraph(painter, QRectF(QPointF(0, 0), size), content);
    return image;
}

QByteArray RenderGraphFile(const GraphContent& content, QSize size, GraphFileFormat format) {
    if (size.isEmpty()) {
        return {};
    }
    switch (format) {
    case GraphFileFormat::Png:
        return PngBytes(content, size);
    case GraphFileFormat::Svg:
        return SvgBytes(content, size);
    case GraphFileFormat::Pdf:
        return PdfBytes(content, size);
    }
    return {};
}

} // namespace quorvex
