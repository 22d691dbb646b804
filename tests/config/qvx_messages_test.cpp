#include "config/qvx_messages.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(QvxMessages, NameTheChosenFileInTheSystemsOwnWords) {
    EXPECT_EQ(NotQuorvexFileMessage("C:\\Shows\\tour.QVX"),
              "C:\\Shows\\tour.QVX is not a QuorvexFile");
    EXPECT_EQ(OlderQvxVersionMessage("old.QVX"),
              "old.QVX is not a Quorvex File or is an older version (then re-save the file to "
              "translate it to VERSION 2.1.0.1");
}

} // namespace
} // namespace quorvex
