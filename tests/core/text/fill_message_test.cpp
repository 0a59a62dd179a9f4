#include "core/text/fill_message.hpp"

#include <gtest/gtest.h>

namespace prynox {
namespace {

TEST(MessageTemplateTest, FillsThePlaceholdersInOrder) {
    EXPECT_EQ(fill_message("parameter #{} must be a u32, got {}", {"3", "-1"}), "parameter #3 must be a u32, got -1");
    EXPECT_EQ(fill_message("missing parameter #{}", {"0"}), "missing parameter #0");
    EXPECT_EQ(fill_message("no placeholder", {"x"}), "no placeholder");
}

}  // namespace
}  // namespace prynox
