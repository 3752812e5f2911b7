#pragma once

#include <QString>

namespace sentari::platform {

// The folder of the running program. In the build tree the data files sit beside it.
QString programFolder();
// The folder of the data files (help pages, "wisdom.txt"): beside the program in the build
// tree, <prefix>/share/sentari once installed.
QString dataFolder();
// A data file by name, e.g. dataFile("help.htm").
QString dataFile(const QString& name);
// Another program of Sentari by name, e.g. siblingProgram("sentarisaver").
QString siblingProgram(const QString& name);

// The quote file to propose to a user who has none yet: the user's own copy of the bundled
// sample in $XDG_DATA_HOME/sentari, made now if it is not there, since the installed one
// cannot be written. An existing copy is never overwritten. When no copy can be made, the
// bundled sample itself, so there are quotes all the same.
QString userQuoteFile();

} // namespace sentari::platform
