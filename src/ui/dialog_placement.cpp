#include "ui/dialog_placement.h"

#include <algorithm>

namespace vd {
namespace {

constexpr int kScreenMargin = 10;

int centredOnOwner(int ownerStart, int ownerSize, int size, int screenSize) {
  int position = std::max(0, ownerStart + (ownerSize / 2 - size / 2));
  int limit = screenSize - size - kScreenMargin;
  return position >= limit ? limit : position;
}

}  // namespace

ScreenPoint centredDialogPosition(int width, int height, const ScreenRect* owner,
                                  int screenWidth, int screenHeight) {
  if (!owner) return {(screenWidth - width) / 2, (screenHeight - height) / 2};
  return {centredOnOwner(owner->left, owner->width, width, screenWidth),
          centredOnOwner(owner->top, owner->height, height, screenHeight)};
}

}  // namespace vd
