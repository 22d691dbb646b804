#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

// The icon the launcher names, as a desktop draws it in its menus.
const QString IconPath = QStringLiteral(QUORVEX_DESKTOP_DIR "/quorvex.svg");

QImage Drawn(int side) {
    QSvgRenderer renderer(IconPath);
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&picture);
        renderer.render(&painter);
    }
    return picture;
}

TEST(DesktopIcon, IsASquareScalablePicture) {
    QSvgRenderer renderer(IconPath);
    ASSERT_TRUE(renderer.isValid()) << IconPath.toStdString();
    EXPECT_EQ(renderer.viewBox().width(), renderer.viewBox().height());
}

TEST(DesktopIcon, ShowsThePanelAndItsCurveAtMenuSize) {
    const QImage picture = Drawn(48);
    int opaque = 0;
    bool curve = false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            opaque += colour.alpha() == 255 ? 1 : 0;
            // The response curve in the rack's amber.
            curve = curve || (colour.red() > 200 && colour.green() > 120 && colour.blue() < 90);
        }
    }
    EXPECT_GT(opaque, picture.width() * picture.height() / 3);
    EXPECT_LT(opaque, picture.width() * picture.height()) << "the corners stay transparent";
    EXPECT_TRUE(curve);
}

} // namespace
