// The Windows tests' entry: GoogleTest, or one of the child scenarios that the lifecycle tests start
// as a separate process (--child=NAME) to watch its end from outside.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/windows/child_scenarios.h"

int main(int argc, char** argv) {
  constexpr char kChild[] = "--child=";
  if (argc >= 2 && std::strncmp(argv[1], kChild, sizeof kChild - 1) == 0)
    return tessavia::testing::RunChildScenario(argv[1] + sizeof kChild - 1);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
