#pragma once

#include <QApplication>
#include <QLockFile>
#include <memory>
#include <optional>

namespace sentari::platform {

// --help (-h) and --version anywhere on the command line: prints the usage text or
// "<program> <version>" on standard output and gives the exit code 0. Nothing else is
// looked at and no display is needed. The usage is translated in the context named after
// the program.
std::optional<int> answerHelpOrVersion(int argc, char** argv, const char* program,
                                       const char* usage);

// The application object of a program with windows. Where no display can be opened, one
// line on standard error says so ("<program>: cannot open the display ...; <hint>") and
// the program ends with exit code 1; Qt itself would print several lines about plug-ins
// and abort.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv, const char* program,
                                          const char* hint);

// A lock file of that name in the user's runtime folder, held while the object lives: one
// program of a kind at a time. Null while a live process holds it; a dead one's is taken
// over. Where no lock file can be made at all, an unlocked one: there is nothing to share.
std::unique_ptr<QLockFile> runtimeLock(const QString& fileName);

} // namespace sentari::platform
