#include "app/scratch_folder.h"
#include "cli/plot_command.h"
#include "cli/qvx_tool.h"
#include "plot/graph_painter.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace quorvex {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

struct Outcome {
    int Code;
    std::string Err;
};

Outcome Qvx(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunQvx(arguments, out, err);
    return {code, err.str()};
}

void PutDoubleAt(std::vector<std::uint8_t>& record, std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < 8; ++i) {
        record.at(offset + i) = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

class PlotCommand : public ::testing::Test {
protected:
    ScratchFolder folder;

    /// A new configuration whose Out1 band 1 is a +6 dB parametric band at 1000 Hz.
    std::string BoostedFile() {
        const std::string path = folder / "boost.QVX";
        EXPECT_EQ(Qvx({"new", "-o", path}).Code, 0);
        auto record = ReadBytes(path);
        PutDoubleAt(record, 532, 6.0); // Out1 band 1: gain, then frequency 1000 and Q 0.707
        record.at(556) = 1;            // type 1, "Parametric"
        WriteBytes(path, record);
        return path;
    }
};

TEST_F(PlotCommand, DrawsTheEqualiserBandWhereTheAxisMappingPutsIt) {
    const std::string png = folder / "eq.png";
    const Outcome run = Qvx({"plot", BoostedFile(), "--stage", "eq", "-o", png});
    ASSERT_EQ(run.Code, 0) << run.Err;
    // The pixel mapping needs the font the command drew with: the same application's.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), PlotFileSize);

    GraphContent layoutOnly; // the equaliser's axes: titles and ranges decide the layout
    layoutOnly.Title = QStringLiteral("OUT 1 Equalization");
    layoutOnly.YAxis.TickStep = 5.0;
    for (const char* output : {"Out1", "Out2", "Out3", "Out4", "SUB1", "SUB2"}) {
        layoutOnly.Curves.push_back({QString::fromLatin1(output), QColor(), true, {}, {}});
    }
    const QRectF plot = GraphPlotRectangle(layoutOnly, QRectF(QPointF(0, 0), PlotFileSize),
                                           QFontMetricsF(QGuiApplication::font(), &image));
    const PlotAxes axes = MapPlot(layoutOnly, plot);
    const int x = static_cast<int>(std::floor(axes.X.PixelOf(1000.0)));
    const int y = static_cast<int>(std::floor(axes.Y.PixelOf(6.0)));
    bool aqua = false;
    for (int dy = -1; dy <= 1; ++dy) {
        const QColor colour = image.pixelColor(x, y + dy);
        aqua = aqua || (colour.red() < 60 && colour.green() > 150 && colour.blue() > 150);
    }
    EXPECT_TRUE(aqua) << "no aqua at " << x << "," << y;
    // and nothing aqua a decade lower, where the band has fallen to almost 0 dB
    const int low = static_cast<int>(std::floor(axes.X.PixelOf(100.0)));
    const QColor below = image.pixelColor(low, y);
    EXPECT_FALSE(below.red() < 60 && below.green() > 150 && below.blue() > 150);
}

TEST_F(PlotCommand, WritesAOnePagePdfAndAWellFormedSvg) {
    const std::string file = BoostedFile();
    const std::string pdf = folder / "final.pdf";
    const std::string svg = folder / "xover.svg";
    ASSERT_EQ(Qvx({"plot", file, "--stage", "final", "--views", "PXG", "-o", pdf}).Code, 0);
    ASSERT_EQ(Qvx({"plot", file, "--stage", "xover", "--phase", "-o", svg}).Code, 0);
    const auto pdfBytes = ReadBytes(pdf);
    const QByteArray document(reinterpret_cast<const char*>(pdfBytes.data()),
                              static_cast<qsizetype>(pdfBytes.size()));
    EXPECT_TRUE(document.startsWith("%PDF-"));
    EXPECT_EQ(QString::fromLatin1(document).count(
                  QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))),
              1);
    const auto svgBytes = ReadBytes(svg);
    QXmlStreamReader reader(QByteArray(reinterpret_cast<const char*>(svgBytes.data()),
                                       static_cast<qsizetype>(svgBytes.size())));
    while (!reader.atEnd()) {
        reader.readNext();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

TEST_F(PlotCommand, RefusesWrongUsageAndWritesNothing) {
    const std::string file = BoostedFile();
    const std::string bmp = folder / "plot.bmp";
    EXPECT_EQ(Qvx({"plot", file, "--stage", "eq", "-o", bmp}).Code, ExitUsage);
    EXPECT_EQ(Qvx({"plot", file, "--stage", "eq"}).Code, ExitUsage);
    EXPECT_EQ(Qvx({"plot", file, "--stage", "bass", "-o", folder / "a.png"}).Code, ExitUsage);
    EXPECT_EQ(Qvx({"plot", file, "--stage", "eq", "--views", "P", "-o", folder / "b.png"}).Code,
              ExitUsage);
    const Outcome missing =
        Qvx({"plot", folder / "missing.QVX", "--stage", "eq", "-o", folder / "c.png"});
    EXPECT_EQ(missing.Code, ExitFailure);
    for (const char* name : {"plot.bmp", "a.png", "b.png", "c.png"}) {
        EXPECT_TRUE(ReadBytes(folder / name).empty()) << name;
    }
}

} // namespace
} // namespace quorvex
