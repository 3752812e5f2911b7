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

} // namespace sentari::platform
