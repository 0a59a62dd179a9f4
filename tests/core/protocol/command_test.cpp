#include "core/protocol/command.hpp"

#include <gtest/gtest.h>

#include <string>

#include "../json/json_test_support.hpp"

namespace prynox {
namespace {

// The answers of single commands are pinned by the JSON corpus; this is the state between them.
TEST(CommandProtocol, SetSpecReplacesOnlyOnSuccess) {
    std::optional<ImpactSpec> slot;
    EXPECT_EQ(run_command(slot, R"({"cmd":"set_spec","spec":)" + testing::spec_with() + "}"), R"({"ok":true})");
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->strategy.symbol, "BTC");
    EXPECT_EQ(run_command(slot, R"({"cmd":"set_spec","spec":{"strategy":1}})"),
              R"({"ok":false,"error":"parse: invalid type: integer `1`, expected struct StrategySpec"})");
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->strategy.symbol, "BTC");
}

}  // namespace
}  // namespace prynox
