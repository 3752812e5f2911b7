#pragma once

class QWidget;

namespace sentari::platform {

// Windows laid out at fixed places (in twips) keep their designed size as the minimum but
// grow until every caption and field fits the desktop's font: a control first takes the
// free room beside it, and if that is not enough the whole layout is scaled, so rows and
// columns stay lined up as designed.
void growToFit(QWidget* window);

} // namespace sentari::platform
