#include "plot/curve_colours.h"
#include "plot/graph_export.h"
#include "plot/response_curve.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <array>

namespace quorvex {
namespace {

GraphContent Sample() {
    GraphContent content;
    content.Title = QStringLiteral("Final Frequency Response");
    const std::array<std::int32_t, 3> hz{20, 1000, 20000};
    const std::array<float, 3> db{0.0F, 6.0F, -3.0F};
    content.Curves.push_back(
        ResponseCurve(QStringLiteral("Out1"), OutputCurveColour(1), true, hz, db));
    return content;
}

TEST(GraphFileFormat, FollowsTheExtensionInAnyCase) {
    EXPECT_EQ(GraphFileFormatFor(QStringLiteral("a/plot.png")), GraphFileFormat::Png);
    EXPECT_EQ(GraphFileFormatFor(QStringLiteral("PLOT.SVG")), GraphFileFormat::Svg);
    EXPECT_EQ(GraphFileFormatFor(QStringLiteral("x.Pdf")), GraphFileFormat::Pdf);
    EXPECT_EQ(GraphFileFormatFor(QStringLiteral("plot.jpg")), std::nullopt);
    EXPECT_EQ(GraphFileFormatFor(QStringLiteral("png")), std::nullopt);
    EXPECT_EQ(GraphFileFormatFor(QStringLiteral("plot.png.txt")), std::nullopt);
}

TEST(GraphExport, WritesAPngOfTheGivenSize) {
    const QByteArray bytes = RenderGraphFile(Sample(), QSize(640, 400), GraphFileFormat::Png);
    QImage image;
    ASSERT_TRUE(image.loadFromData(bytes, "PNG"));
    EXPECT_EQ(image.size(), QSize(640, 400));
}

TEST(GraphExport, WritesAWellFormedSvgWithTheTitle) {
    const QByteArray bytes = RenderGraphFile(Sample(), QSize(640, 400), GraphFileFormat::Svg);
    QXmlStreamReader reader(bytes);
    bool rootIsSvg = false;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && !rootIsSvg) {
            rootIsSvg = reader.name() == QStringLiteral("svg");
            if (!rootIsSvg) {
                break;
            }
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_TRUE(rootIsSvg);
    EXPECT_TRUE(bytes.contains("Final Frequency Response"));
}

TEST(GraphExport, WritesAOnePagePdf) {
    const QByteArray bytes = RenderGraphFile(Sample(), QSize(640, 400), GraphFileFormat::Pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    // Page objects are "/Type /Page"; the page tree is "/Type /Pages".
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(page), 1);
}

TEST(GraphExport, GivesNothingForAnEmptySize) {
    for (GraphFileFormat format :
         {GraphFileFormat::Png, GraphFileFormat::Svg, GraphFileFormat::Pdf}) {
        EXPECT_TRUE(RenderGraphFile(Sample(), QSize(0, 400), format).isEmpty());
    }
    EXPECT_TRUE(RenderGraphImage(Sample(), QSize()).isNull());
}

TEST(ResponseCurve, TakesTheCommonLengthOfFrequenciesAndValues) {
    const std::array<std::int32_t, 3> hz{20, 21, 22};
    const std::array<float, 2> db{1.5F, -2.0F};
    const GraphCurve curve =
        ResponseCurve(QStringLiteral("SUB2"), OutputCurveColour(6), false, hz, db);
    EXPECT_EQ(curve.X, (std::vector<double>{20.0, 21.0}));
    EXPECT_EQ(curve.Y, (std::vector<double>{1.5, -2.0}));
    EXPECT_FALSE(curve.Visible);
    EXPECT_EQ(curve.Colour, QColor(255, 149, 0));
}

TEST(ResponseCurve, GridStepsSuitTheAxis) {
    EXPECT_EQ(ResponseTickStep(true, -180.0, 180.0), 45.0);
    EXPECT_EQ(ResponseTickStep(false, -20.0, 20.0), 5.0);
    EXPECT_EQ(ResponseTickStep(false, -140.0, 40.0), 10.0);
}

} // namespace
} // namespace quorvex
