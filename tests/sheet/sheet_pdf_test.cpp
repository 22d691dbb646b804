#include "app/scratch_folder.h"
#include "plot/curve_colours.h"
#include "plot/graph_painter.h"
#include "rig_under_test.h"
#include "sheet/settings_sheet.h"
#include "sheet/sheet_pdf.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace quorvex::testing {
namespace {

/// What a poppler tool prints; the test fails when the tool does not run to success.
QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// An antialiased line of `colour` lights the pixel with at least half of that colour.
bool IsLitBy(QColor pixel, QColor colour) {
    const auto near = [](int value, int wanted) {
        return wanted == 0 ? value < 110 : value >= wanted / 2;
    };
    return near(pixel.red(), colour.red()) && near(pixel.green(), colour.green()) &&
           near(pixel.blue(), colour.blue());
}

/// Whether the curve of `colour` passes within two pixels of (x, y).
bool CurveNear(const QImage& image, double x, double y, QColor colour) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = static_cast<int>(std::floor(x)) + dx;
            const int py = static_cast<int>(std::floor(y)) + dy;
            if (image.valid(px, py) && IsLitBy(image.pixelColor(px, py), colour)) {
                return true;
            }
        }
    }
    return false;
}

class SheetPdfTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Pdf.Bytes.isEmpty());
        QFile file(QString::fromStdString(Path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Pdf.Bytes);
    }

    RigUnderTest Rig;
    SettingsSheet Sheet = ComposeSettingsSheet(Rig.App);
    SheetPdf Pdf = RenderSheetPdf(Sheet);
    ScratchFolder Folder;
    std::string Path = Folder / "rig.pdf";
};

TEST_F(SheetPdfTest, IsAnA4DocumentOfTheTablesAndAPageOfPlots) {
    const QString info = RunTool("pdfinfo", {QString::fromStdString(Path)});
    const auto pages = QRegularExpression(R"(Pages:\s+(\d+))").match(info);
    ASSERT_TRUE(pages.hasMatch()) << info.toStdString();
    EXPECT_EQ(pages.captured(1).toInt(), Pdf.PageCount);
    EXPECT_EQ(Pdf.PageCount, 3);
    EXPECT_TRUE(info.contains(
        QRegularExpression(R"(Page size:\s+595(\.\d+)? x 84[12](\.\d+)? pts \(A4\))")))
        << info.toStdString();
    ASSERT_EQ(Pdf.Graphs.size(), 3U);
    for (const PlacedGraph& graph : Pdf.Graphs) {
        EXPECT_EQ(graph.Page, 3);
    }
}

TEST_F(SheetPdfTest, ItsTextHoldsTheBandValues) {
    const QString text = RunTool("pdftotext", {"-layout", QString::fromStdString(Path), "-"});
    // The band's row reads across: number, type, frequency, gain, Q.
    EXPECT_TRUE(text.contains(QRegularExpression(R"(\b2\s+Parametric\s+2500\s+4\.5\s+2\.0\b)")))
        << text.toStdString();
    EXPECT_TRUE(text.contains("Equaliser Out3 (Out3)"));
    EXPECT_TRUE(text.contains("Main hall"));
    EXPECT_TRUE(text.contains(QRegularExpression(R"(SUB1\s+48\s+1\.00\s+34\.\d)")));
}

TEST_F(SheetPdfTest, TheEqualiserPlotShowsTheBandWhereTheMappingPutsIt) {
    const QString prefix = QString::fromStdString(Folder / "page");
    RunTool("pdftoppm", {"-r", QString::number(SheetResolution), "-f", "3", "-l", "3", "-png",
                         "-singlefile", QString::fromStdString(Path), prefix});
    const QImage page(prefix + ".png");
    ASSERT_FALSE(page.isNull());
    const GraphContent& equaliser = Sheet.Graphs[0];
    const PlotAxes axes = MapPlot(equaliser, Pdf.Graphs[0].Plot);
    const QColor out3 = OutputCurveColour(3);
    EXPECT_TRUE(CurveNear(page, axes.X.PixelOf(2500.0), axes.Y.PixelOf(4.5), out3));
    // Far from the band the curve lies on 0 dB (under the later outputs' curves), never at
    // the band's height; nor does the band dip.
    EXPECT_FALSE(CurveNear(page, axes.X.PixelOf(50.0), axes.Y.PixelOf(4.5), out3));
    EXPECT_FALSE(CurveNear(page, axes.X.PixelOf(2500.0), axes.Y.PixelOf(-4.5), out3));
}

TEST(SheetFile, IsWrittenWholeOrNotAtAll) {
    RigUnderTest rig;
    ScratchFolder folder;
    const SettingsSheet sheet = ComposeSettingsSheet(rig.App);
    EXPECT_FALSE(WriteSheetPdf(sheet, folder / "rig.pdf").has_value());
    QFile written(QString::fromStdString(folder / "rig.pdf"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    const auto error = WriteSheetPdf(sheet, folder / "missing/rig.pdf");
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
}

} // namespace
} // namespace quorvex::testing
