#include "desktop_fixture.h"

#include "ui/led_button.h"
#include "ui/rack_palette.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace quorvex::testing {
namespace {

// The contrast ratio of two colours as the web's accessibility guidelines define it:
// 1 for equal colours, 21 for black on white; 4.5 is what body text needs.
double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& one, const QColor& other) {
    const double a = Luminance(one);
    const double b = Luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

constexpr double ReadableContrast = 4.5;

TEST(RackPaletteText, EnabledAndDisabledTextReadOnEveryRackFace) {
    const QPalette window = RackPalette::Window(QPalette());
    const QColor faces[] = {RackPalette::Panel(), RackPalette::Key(), RackPalette::Recess(),
                            window.color(QPalette::Disabled, QPalette::Button)};
    for (const QColor& face : faces) {
        EXPECT_GE(Contrast(RackPalette::Text(), face), ReadableContrast)
            << face.name().toStdString();
        EXPECT_GE(Contrast(RackPalette::DisabledText(), face), ReadableContrast)
            << face.name().toStdString();
    }
    // Disabled still tells itself apart from enabled.
    EXPECT_GT(Contrast(RackPalette::Text(), RackPalette::DisabledText()), 1.3);
}

TEST(RackPaletteText, AWindowsDisabledControlsTakeTheReadableDisabledText) {
    const QPalette window = RackPalette::Window(QPalette());
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        EXPECT_EQ(window.color(QPalette::Disabled, role), RackPalette::DisabledText());
        EXPECT_EQ(window.color(QPalette::Active, role), RackPalette::Text());
    }
}

// The strongest contrast between the caption's pixels and the lamp's own background: the
// core of a drawn letter reaches the text colour, whatever the antialiasing does at its
// edges.
double CaptionContrast(LedButton& lamp) {
    const QImage picture = lamp.grab().toImage();
    const QColor background = picture.pixelColor(picture.width() - 2, 1);
    double best = 1.0;
    for (int x = lamp.fontMetrics().height() * 6 / 5; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            best = std::max(best, Contrast(picture.pixelColor(x, y), background));
        }
    }
    return best;
}

using LampCaptions = DesktopFixture;

TEST_F(LampCaptions, EveryLampCaptionReadsOnItsWindowEnabledOrNot) {
    int lamps = 0;
    for (QWidget* window : Screen.Windows()) {
        for (LedButton* lamp : window->findChildren<LedButton*>()) {
            if (lamp->text().isEmpty()) {
                continue;
            }
            ++lamps;
            const bool enabled = lamp->isEnabled();
            lamp->resize(lamp->sizeHint());
            lamp->setEnabled(true);
            EXPECT_GE(CaptionContrast(*lamp), ReadableContrast) << lamp->objectName().toStdString();
            lamp->setEnabled(false);
            EXPECT_GE(CaptionContrast(*lamp), ReadableContrast)
                << lamp->objectName().toStdString() << " disabled";
            lamp->setEnabled(enabled);
        }
    }
    // The six connection lamps, "Real Time" and "Password Active" at least.
    EXPECT_GE(lamps, 8);
}

TEST(LampCaptionOnAPlainWindow, TakesThePlainWindowsText) {
    QWidget plain;
    auto* lamp = new LedButton(QStringLiteral("Polarity"), &plain);
    lamp->resize(lamp->sizeHint());
    EXPECT_GE(CaptionContrast(*lamp), ReadableContrast);
}

// Every captioned key of the main window keeps room around its caption once laid out (the
// flat logo has no edge to keep room from).
void ExpectEveryCaptionFits(QWidget& window) {
    window.setAttribute(Qt::WA_DontShowOnScreen, true);
    window.resize(window.sizeHint());
    window.show();
    for (const QPushButton* key : window.findChildren<QPushButton*>()) {
        if (key->text().isEmpty() || key->isFlat() || !key->isVisibleTo(&window)) {
            continue;
        }
        const QFontMetrics metrics = key->fontMetrics();
        EXPECT_GE(key->width(), metrics.horizontalAdvance(key->text()) + metrics.height())
            << key->objectName().toStdString();
    }
    window.hide();
}

using MainWindowCaptions = DesktopFixture;

TEST_F(MainWindowCaptions, EveryKeyHoldsItsCaptionWithRoomToSpare) {
    ExpectEveryCaptionFits(*WindowNamed("MainForm"));
}

TEST(MainWindowCaptionsInALargeFont, EveryKeyStillHoldsItsCaption) {
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.75);
    QApplication::setFont(large);
    {
        ScriptedDialogs dialogs;
        Desktop screen(&dialogs, nullptr, [] {});
        ExpectEveryCaptionFits(*screen.Window("MainForm"));
    }
    QApplication::setFont(normal);
}

} // namespace
} // namespace quorvex::testing
