#include "ui/file_filter.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(QtNameFilters, TurnsEachDescriptionAndPatternPairIntoOneQtEntry) {
    const QStringList filters = QtNameFilters("Quorvex Files *.QVX|*.QVX|All Files *.*|*.*");
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], "Quorvex Files *.QVX (*.QVX)");
    EXPECT_EQ(filters[1], "All Files *.* (*.*)");
}

TEST(QtNameFilters, SeparatesSeveralPatternsOfOneEntryWithBlanks) {
    const QStringList filters = QtNameFilters("Text|*.txt;*.TXT; *.dat");
    ASSERT_EQ(filters.size(), 1);
    EXPECT_EQ(filters[0], "Text (*.txt *.TXT *.dat)");
}

TEST(QtNameFilters, DropsADescriptionWithoutPatterns) {
    EXPECT_TRUE(QtNameFilters("").isEmpty());
    EXPECT_TRUE(QtNameFilters("Only a description").isEmpty());
    const QStringList filters = QtNameFilters("Empty||Files|*.QVX|Trailing");
    ASSERT_EQ(filters.size(), 1);
    EXPECT_EQ(filters[0], "Files (*.QVX)");
}

} // namespace
} // namespace quorvex
