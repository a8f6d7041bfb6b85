#pragma once

namespace vd {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Where a dialog of `width` x `height` goes: centred on its owner but kept 10 pixels inside
// the screen's right and bottom edges, or centred on the screen when it has no owner.
ScreenPoint centredDialogPosition(int width, int height, const ScreenRect* owner,
                                  int screenWidth, int screenHeight);

}  // namespace vd
