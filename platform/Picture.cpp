#include "platform/Picture.h"

#include <algorithm>

namespace korvanel {

Fit FitInto(const Picture& picture, double boxWidth, double boxHeight) {
  if (!(picture.width > 0) || !(picture.height > 0) || !(boxWidth > 0) || !(boxHeight > 0)) {
    return {};
  }
  const double scale = std::min(boxWidth / picture.width, boxHeight / picture.height);
  return {scale, (boxWidth - picture.width * scale) / 2 - picture.left * scale,
          (boxHeight - picture.height * scale) / 2 - picture.top * scale};
}

}  // namespace korvanel
