#pragma once

#include <QString>

namespace sentari::platform {

class Desktop;

// Opens a help page of the data folder ("help.htm") with the desktop's viewer; when there
// is no viewer or no page, says so and names the folder.
void openHelpPage(Desktop& desktop, const QString& name);

} // namespace sentari::platform
