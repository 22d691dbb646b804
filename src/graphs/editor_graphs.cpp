#include "graphs/editor_graphs.h"

#include "app/dynamic_form.h"
#include "app/final_response_form.h"
#include "app/peq_form.h"
#include "app/xover_form.h"
#include "engine/response_grid.h"
#include "plot/curve_colours.h"
#include "plot/response_curve.h"

#include <algorithm>
#include <utility>

namespace quorvex {

namespace {

constexpr double LowestFrequency = 20.0;
constexpr double HighestFrequency = 20000.0;
// The transfer graph's axes, in dBu: from the lowest input the curve reaches up to the
// largest level the processor's outputs deliver, with a little room above.
constexpr double TransferFloorDbu = -50.0;
constexpr double TransferTopDbu = 20.0;
constexpr double TransferTickDb = 10.0;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

GraphContent Frame(std::string_view title, std::string_view yTitle, double yMinimum,
                   double yMaximum, double xMaximum, bool phase) {
    GraphContent content;
    content.Title = Text(title);
    content.XAxis = {
        QStringLiteral("Frequency"), {LowestFrequency, xMaximum, AxisScale::Logarithmic}, 0.0};
    content.YAxis = {Text(yTitle),
                     {yMinimum, yMaximum, AxisScale::Linear},
                     ResponseTickStep(phase, yMinimum, yMaximum)};
    return content;
}

GraphCurve Curve(const QString& name, const QColor& colour, bool visible,
                 const std::array<float, GridPointCount>& values) {
    return ResponseCurve(name, colour, visible, TheResponseGrid().FrequencyHz, values);
}

QString OutputName(const std::string& shown, int output) {
    return shown.empty() ? QStringLiteral("Out%1").arg(output) : QString::fromStdString(shown);
}

} // namespace

GraphContent EqualiserGraph(const TPEQForm& window,
                            const std::array<std::string, OutputCount>& outputNames) {
    const bool phase = window.GraphMode == TPEQForm::Mode::Phase;
    GraphContent content = Frame(window.PlotTitle, window.YAxisTitle, window.YMinimum,
                                 window.YMaximum, window.XMaximum, phase);
    for (int output = 1; output <= OutputCount; ++output) {
        const auto index = static_cast<std::size_t>(output - 1);
        const bool red = window.SelectedCurveRed && output == window.Output;
        content.Curves.push_back(Curve(OutputName(outputNames[index], output),
                                       red ? OutputCurveColour(2) : OutputCurveColour(output),
                                       window.VerPEQChecked[index], window.Curves[index]));
    }
    if (!phase) {
        content.Markers.push_back({window.MarkerFrequency, window.MarkerGain,
                                   QString::fromStdString(window.MarkerLabel), SumCurveColour()});
    }
    return content;
}

GraphContent CrossoverGraph(const TXOVERForm& window,
                            const std::array<std::string, OutputCount>& outputNames) {
    const bool phase = window.GraphMode == TXOVERForm::Mode::Phase;
    GraphContent content = Frame(window.PlotTitle, window.YAxisTitle, window.YMinimum,
                                 window.YMaximum, HighestFrequency, phase);
    for (int output = 1; output <= OutputCount; ++output) {
        const auto index = static_cast<std::size_t>(output - 1);
        content.Curves.push_back(Curve(OutputName(outputNames[index], output),
                                       OutputCurveColour(output), window.VerXoverChecked[index],
                                       window.Curves[index]));
    }
    // Drawn last, so the selected output's curve is in front of the others.
    const auto front = static_cast<std::size_t>(std::clamp(window.FrontCurve, 1, OutputCount) - 1);
    std::rotate(content.Curves.begin() + static_cast<long>(front),
                content.Curves.begin() + static_cast<long>(front) + 1, content.Curves.end());
    return content;
}

GraphContent FinalResponseGraph(const TFinalResponseForm& window) {
    const bool phase = window.GraphMode == TFinalResponseForm::Mode::Phase;
    GraphContent content = Frame(TFinalResponseForm::GraphTitle, window.YAxisTitle, window.YMinimum,
                                 window.YMaximum, HighestFrequency, phase);
    for (int curve = 1; curve <= TFinalResponseForm::CurveCount; ++curve) {
        const auto index = static_cast<std::size_t>(curve - 1);
        content.Curves.push_back(Curve(OutputName(window.ViaLabel[index], curve),
                                       OutputCurveColour(curve), window.ViaVisible[index],
                                       window.Curves[index]));
    }
    return content;
}

GraphContent DynamicsGraph(const TDynamicform& window) {
    GraphContent content;
    content.Title = Text(window.GraphTitle);
    content.XAxis = {QStringLiteral("Input dBu"),
                     {TransferFloorDbu, TransferTopDbu, AxisScale::Linear},
                     TransferTickDb};
    content.YAxis = {QStringLiteral("Output dBu"),
                     {TransferFloorDbu, TransferTopDbu, AxisScale::Linear},
                     TransferTickDb};
    content.LegendVisible = false;
    const auto& [from, to] = window.ReferenceLine;
    content.Curves.push_back({QString(),
                              QColor(128, 128, 128),
                              true,
                              {from.InputDbu, to.InputDbu},
                              {from.OutputDbu, to.OutputDbu}});
    // The model lists the design grid upwards from the knee and then the floor point; the
    // curve is drawn in ascending input, so the floor joins the knee along the unity line.
    std::vector<CurvePoint> points = window.CurvePoints;
    std::stable_sort(points.begin(), points.end(), [](const CurvePoint& a, const CurvePoint& b) {
        return a.InputDbu < b.InputDbu;
    });
    GraphCurve curve{QString(), OutputCurveColour(1), true, {}, {}};
    curve.X.reserve(points.size());
    curve.Y.reserve(points.size());
    for (const CurvePoint& point : points) {
        curve.X.push_back(point.InputDbu);
        curve.Y.push_back(point.OutputDbu);
    }
    content.Curves.push_back(std::move(curve));
    return content;
}

} // namespace quorvex
