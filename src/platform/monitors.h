#pragma once

#include <QRect>
#include <vector>

namespace sentari::platform {

// The monitors' rectangles in desktop coordinates (the toolkit's pixels), the primary one
// first. An X server that knows its heads only through Xinerama (one RandR output over two
// heads) gives its Xinerama heads: the toolkit sees just the first.
std::vector<QRect> monitorAreas();

} // namespace sentari::platform
