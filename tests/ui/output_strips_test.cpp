#include "ui/output_strips.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace quorvex {
namespace {

TEST(OutputStrips, StandSideBySideInOutputOrderWithALineBetweenEachTwo) {
    QWidget window;
    std::vector<int> built;
    std::vector<QWidget*> strips;
    QHBoxLayout* row = MakeStripRow(&window, 3, [&](int output) {
        built.push_back(output);
        strips.push_back(new QWidget(&window));
        return strips.back();
    });
    window.setLayout(row);
    EXPECT_EQ(built, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(row->count(), 5);
    for (int item = 0; item < row->count(); ++item) {
        QWidget* widget = row->itemAt(item)->widget();
        if (item % 2 == 0) {
            EXPECT_EQ(widget, strips[static_cast<std::size_t>(item / 2)]);
        } else {
            auto* divider = qobject_cast<QFrame*>(widget);
            ASSERT_NE(divider, nullptr);
            EXPECT_EQ(divider->frameShape(), QFrame::VLine);
        }
    }
}

TEST(OutputStrips, TheNameSpansTheTopOfTheStrip) {
    QWidget panel;
    auto* grid = new QGridLayout(&panel);
    QLabel* name = AddStripName(&panel, grid, 4);
    EXPECT_EQ(name->objectName(), "Channel4Label");
    EXPECT_EQ(name->alignment(), Qt::AlignCenter);
    int row = -1;
    int column = -1;
    int rows = 0;
    int columns = 0;
    grid->getItemPosition(grid->indexOf(name), &row, &column, &rows, &columns);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(columns, 2);
}

} // namespace
} // namespace quorvex
