// Writes N keys through its own store instance: one of several programs writing at once.
#include "sentaristore/settingsstore.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    sentari::SettingsStore store({argv[1], argv[2]});
    const int n = std::atoi(argv[4]);
    for (int i = 0; i < n; ++i)
        store.writeSetting(std::string(argv[3]) + "key" + std::to_string(i), std::to_string(i));
    return 0;
}
