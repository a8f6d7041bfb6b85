#include "ui/dialog_placement.h"

#include <gtest/gtest.h>

namespace vd {
namespace {

struct PlacementCase {
  const char* what;
  ScreenRect owner;
  int x;
  int y;
};

// A 400 x 150 dialog on a 1024 x 768 screen.
TEST(DialogPlacementTest, CentresOnTheOwnerWithinTheScreen) {
  const PlacementCase cases[] = {
      {"centred on the owner", {100, 50, 800, 600}, 300, 275},
      {"odd sizes truncate", {0, 0, 801, 601}, 200, 225},
      {"owner off the top left", {-900, -700, 800, 600}, 0, 0},
      {"owner near the right edge", {900, 100, 600, 300}, 614, 175},
      {"owner near the bottom edge", {100, 700, 600, 300}, 200, 608},
      {"exactly at the limit", {614, 0, 400, 150}, 614, 0},
  };
  for (const PlacementCase& c : cases) {
    ScreenPoint p = centredDialogPosition(400, 150, &c.owner, 1024, 768);
    EXPECT_EQ(c.x, p.x) << c.what;
    EXPECT_EQ(c.y, p.y) << c.what;
  }
}

TEST(DialogPlacementTest, CentresOnTheScreenWithoutOwner) {
  ScreenPoint p = centredDialogPosition(401, 151, nullptr, 1024, 768);
  EXPECT_EQ(311, p.x);
  EXPECT_EQ(308, p.y);
}

// A dialog larger than the screen is pulled left of the margin rather than off the right.
TEST(DialogPlacementTest, ADialogWiderThanTheScreenKeepsTheMarginRule) {
  ScreenRect owner{0, 0, 600, 400};
  ScreenPoint p = centredDialogPosition(700, 100, &owner, 640, 480);
  EXPECT_EQ(-70, p.x);
  EXPECT_EQ(150, p.y);
}

}  // namespace
}  // namespace vd
