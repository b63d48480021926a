#include "model/net_tests.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

struct LegCase {
  const char* what;
  float prev_x, new_x, prev_y, new_y;
  bool crosses;
};

TEST(CrossesNet, DecidesEachKindOfLeg) {
  // Net of 2500 m at travel 1000: the segment y = 1000, 1000 < x < 3500.
  const LegCase cases[] = {
      {"straight across inside", 2000, 2000, 999, 1001, true},
      {"straight across upwards", 2000, 2000, 1001, 999, true},
      {"at the left end", 1000, 1000, 999, 1001, false},
      {"at the right end", 3500, 3500, 999, 1001, false},
      {"just inside the left end", 1000.001f, 1000.001f, 999, 1001, true},
      {"both ends above", 2000, 2100, 900, 999, false},
      {"both ends below", 2000, 2100, 1001, 1100, false},
      {"horizontal off the line", 1500, 2500, 990, 990, false},
      {"zero length off the line", 1500, 1500, 990, 990, false},
      {"ends on the line", 1500, 1600, 990, 1000, true},
      {"starts on the line", 1600, 1700, 1000, 1010, true},
      {"ends on the line beyond the net", 3600, 3700, 990, 1000, false},
      {"across, both left of the net", 900, 950, 990, 1010, false},
      {"across, both right of the net", 3600, 3700, 990, 1010, false},
      {"long leg from beyond one end to beyond the other", 500, 4000, 990, 1010, true},
      {"long leg meeting the line left of the net", 0, 1800, 990, 1010, false},
      {"along the line, both beyond the right end", 3600, 3700, 1000, 1000, false},
      {"along the line, overlapping the span", 900, 1100, 1000, 1000, true},
      {"along the line, ending at the left end", 900, 1000, 1000, 1000, false},
      {"zero length on the line inside", 2000, 2000, 1000, 1000, true},
      {"zero length on the line at an end", 3500, 3500, 1000, 1000, false},
  };
  for (const LegCase& c : cases)
    EXPECT_EQ(CrossesNet(2500, c.prev_x, c.new_x, c.prev_y, c.new_y, 1000), c.crosses) << c.what;
}

TEST(CrossesNet, ALegEndingOnTheNetAndTheNextOneBothCross) {
  EXPECT_TRUE(CrossesNet(2500, 2000, 2000, 990, 1000, 1000));
  EXPECT_TRUE(CrossesNet(2500, 2000, 2000, 1000, 1010, 1000));
}

struct PointCase {
  float x, y;
  bool out_of_reach;
};

TEST(OutOfReachAtOneThird, UsesTheStoredUpperEdgeConstant) {
  const PointCase cases[] = {{19200, 57600, false}, {20000, 20000, false}, {57600, 96001, false},
                             {19199, 57600, true},  {98501, 57600, true},  {57600, 96002, true},
                             {98500, 57600, false}, {57600, 19200, false}, {57600, 19199, true}};
  for (const PointCase& c : cases)
    EXPECT_EQ(OutOfReachAtOneThird(c.x, c.y, 57600, 117700), c.out_of_reach) << c.x << "," << c.y;
}

TEST(OutOfReachAtTwoThirds, UsesTheStoredUpperEdgeConstant) {
  const PointCase cases[] = {{38400, 57600, false}, {57600, 76798, false}, {38399, 57600, true},
                             {79301, 57600, true},  {57600, 76799, true},  {79300, 57600, false},
                             {57600, 38400, false}, {57600, 38399, true}};
  for (const PointCase& c : cases)
    EXPECT_EQ(OutOfReachAtTwoThirds(c.x, c.y, 57600, 117700), c.out_of_reach) << c.x << "," << c.y;
}

}  // namespace
}  // namespace zelmora
