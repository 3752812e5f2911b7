// Deletes one quote from a data file, as the tray's delete does: the program the kill test
// interrupts.
#include "tray/datafile.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const auto done =
        sentari::tray::deleteQuote(argv[1], std::atoll(argv[2]), QString::fromUtf8(argv[3]));
    std::printf("%lld\n", static_cast<long long>(done.remainingLines));
    return done.deleted ? 0 : 1;
}
