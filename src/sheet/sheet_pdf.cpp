#include "sheet/sheet_pdf.h"

#include "config/whole_file.h"
#include "plot/graph_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <span>

namespace quorvex {

namespace {

constexpr double MarginMm = 15.0;
constexpr double MmPerInch = 25.4;
constexpr const char* FontFamily = "DejaVu Sans";
constexpr double TitlePoints = 14.0;
constexpr double HeadingPoints = 10.0;
constexpr double TextPoints = 8.0;
constexpr double GraphTextPoints = 7.0;
constexpr double RowSpacing = 1.2;  ///< row height in text line heights
constexpr double CellPadding = 1.5; ///< average character widths between columns
constexpr double TableGap = 1.2;    ///< line heights between tables
constexpr double GraphGap = 0.8;    ///< line heights between plots
constexpr int GraphsPerPage = 3;
const QColor Ink{0, 0, 0};
const QColor Rule{150, 150, 150};

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont SheetFont(double points, bool bold = false) {
    QFont font(FontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

/// The pages as they are filled: a cursor running down the printable area, a new page
/// when what comes next does not fit below it.
class PageFlow {
public:
    PageFlow(QPdfWriter& writer, QPainter& painter)
        : writer_(writer), painter_(painter),
          area_(writer.pageLayout().paintRect(QPageLayout::Inch).size() * SheetResolution) {}

    double Width() const { return area_.width(); }
    double Height() const { return area_.height(); }
    double Top() const { return top_; }
    double Left() const { return 0.0; }
    int Page() const { return page_; }

    /// Room for `height` below the cursor, on a new page when this one is too full.
    void Reserve(double height) {
        if (top_ > 0.0 && top_ + height > area_.height()) {
            NewPage();
        }
    }
    void NewPage() {
        writer_.newPage();
        ++page_;
        top_ = 0.0;
    }
    void Advance(double height) { top_ += height; }
    QPainter& Painter() { return painter_; }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    QSizeF area_;
    double top_ = 0.0;
    int page_ = 1;
};

/// Each column as wide as its widest cell (titles in bold); a table wider than the page is
/// squeezed, its texts shortened with an ellipsis.
std::vector<double> ColumnWidths(QPainter& painter, const SheetTable& table, double available) {
    std::vector<double> widths(table.Columns.size(), 0.0);
    const QFontMetricsF bold(SheetFont(TextPoints, true), painter.device());
    const QFontMetricsF text(SheetFont(TextPoints), painter.device());
    const double padding = bold.averageCharWidth() * CellPadding;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        widths[column] = bold.horizontalAdvance(Text(table.Columns[column]));
    }
    for (const auto& row : table.Rows) {
        for (std::size_t column = 0; column < widths.size() && column < row.size(); ++column) {
            widths[column] = std::max(widths[column], text.horizontalAdvance(Text(row[column])));
        }
    }
    for (double& width : widths) {
        width += padding;
    }
    const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (total > available) {
        for (double& width : widths) {
            width *= available / total;
        }
    }
    return widths;
}

bool HasColumnTitles(const SheetTable& table) {
    return std::any_of(table.Columns.begin(), table.Columns.end(),
                       [](const std::string& title) { return !title.empty(); });
}

/// A cell's text, shortened with an ellipsis only when it is wider than its cell.
QString Fitted(const QFontMetricsF& metrics, const QString& text, double width) {
    return metrics.horizontalAdvance(text) <= width
               ? text
               : metrics.elidedText(text, Qt::ElideRight, width);
}

void PaintRow(QPainter& painter, const std::vector<std::string>& cells,
              const std::vector<double>& widths, double top, double height) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double padding = metrics.averageCharWidth() * CellPadding;
    double left = 0.0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const QString text = column < cells.size() ? Text(cells[column]) : QString();
        const double room = widths[column] - padding * 0.5;
        painter.drawText(QRectF(left, top, room, height),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                         Fitted(metrics, text, room));
        left += widths[column];
    }
}

void PaintTable(PageFlow& flow, const SheetTable& table) {
    QPainter& painter = flow.Painter();
    const QFont heading = SheetFont(HeadingPoints, true);
    const QFont bold = SheetFont(TextPoints, true);
    const QFont text = SheetFont(TextPoints);
    const QFontMetricsF textMetrics(text, painter.device());
    const double headingHeight = QFontMetricsF(heading, painter.device()).height() * RowSpacing;
    const double row = textMetrics.height() * RowSpacing;
    const bool titles = HasColumnTitles(table);
    const auto rows = static_cast<double>(table.Rows.size() + (titles ? 1 : 0));
    flow.Reserve(headingHeight + rows * row);

    painter.setPen(Ink);
    painter.setFont(heading);
    painter.drawText(QRectF(0.0, flow.Top(), flow.Width(), headingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, Text(table.Heading));
    flow.Advance(headingHeight);
    const std::vector<double> widths = ColumnWidths(painter, table, flow.Width());
    const double tableWidth = std::accumulate(widths.begin(), widths.end(), 0.0);
    if (titles) {
        painter.setFont(bold);
        PaintRow(painter, table.Columns, widths, flow.Top(), row);
        flow.Advance(row);
        painter.setPen(Rule);
        painter.drawLine(QPointF(0.0, flow.Top()), QPointF(tableWidth, flow.Top()));
        painter.setPen(Ink);
    }
    painter.setFont(text);
    for (const auto& cells : table.Rows) {
        PaintRow(painter, cells, widths, flow.Top(), row);
        flow.Advance(row);
    }
    flow.Advance(textMetrics.height() * TableGap);
}

void PaintTitle(PageFlow& flow, const std::string& title) {
    QPainter& painter = flow.Painter();
    const QFont font = SheetFont(TitlePoints, true);
    const double height = QFontMetricsF(font, painter.device()).height() * RowSpacing;
    painter.setFont(font);
    painter.setPen(Ink);
    painter.drawText(QRectF(0.0, flow.Top(), flow.Width(), height),
                     Qt::AlignLeft | Qt::AlignVCenter, Text(title));
    flow.Advance(height);
    painter.setPen(Rule);
    painter.drawLine(QPointF(0.0, flow.Top()), QPointF(flow.Width(), flow.Top()));
    flow.Advance(height * 0.5);
}

/// The plots on pages of their own, stacked; their plot rectangles on the page returned.
std::vector<PlacedGraph> PaintGraphs(PageFlow& flow, const std::vector<GraphContent>& graphs,
                                     QPointF pageOffset) {
    std::vector<PlacedGraph> placed;
    QPainter& painter = flow.Painter();
    painter.setFont(SheetFont(GraphTextPoints));
    const double gap = QFontMetricsF(painter.font(), painter.device()).height() * GraphGap;
    const double height = (flow.Height() - gap * (GraphsPerPage - 1)) / GraphsPerPage;
    for (std::size_t index = 0; index < graphs.size(); ++index) {
        if (index % GraphsPerPage == 0 && flow.Top() > 0.0) {
            flow.NewPage();
        }
        const QRectF area(0.0, flow.Top(), flow.Width(), height);
        const QRectF plot = PaintGraph(painter, area, graphs[index]);
        placed.push_back({flow.Page(), plot.translated(pageOffset)});
        flow.Advance(height + gap);
    }
    return placed;
}

} // namespace

SheetPdf RenderSheetPdf(const SettingsSheet& sheet) {
    SheetPdf result;
    QBuffer buffer(&result.Bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(Text(sheet.Title));
        writer.setCreator(QStringLiteral("Quorvex"));
        writer.setResolution(SheetResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                         QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {};
        }
        PageFlow flow(writer, painter);
        PaintTitle(flow, sheet.Title);
        for (const SheetTable& table : sheet.Tables) {
            PaintTable(flow, table);
        }
        const double offset = MarginMm / MmPerInch * SheetResolution;
        result.Graphs = PaintGraphs(flow, sheet.Graphs, QPointF(offset, offset));
        result.PageCount = flow.Page();
        if (!painter.end()) {
            return {};
        }
    }
    return result;
}

std::optional<std::string> WriteSheetPdf(const SettingsSheet& sheet,
                                         const std::filesystem::path& path) {
    const SheetPdf pdf = RenderSheetPdf(sheet);
    if (pdf.Bytes.isEmpty()) {
        return std::string("the sheet could not be drawn");
    }
    return ReplaceFileContents(
        path, std::span(reinterpret_cast<const std::uint8_t*>(pdf.Bytes.constData()),
                        static_cast<std::size_t>(pdf.Bytes.size())));
}

} // namespace quorvex
