// A copy of the program writing into the shared settings files, for the tests of simultaneous
// writers: it waits for a line on its standard input, then writes `count` keys one call at a time
// and prints each key whose write it was told succeeded.
//   ini_writer settings <application> <section> <prefix> <count>
//   ini_writer classes <prefix> <count>   (one class id each, with its library path)

#include "ClassStore.h"
#include "SettingsStore.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!((mode == "settings" && argc == 6) || (mode == "classes" && argc == 4))) {
        std::cerr << "usage: ini_writer settings <application> <section> <prefix> <count> | classes <prefix> "
                     "<count>\n";
        return 2;
    }
    std::string go;
    std::getline(std::cin, go);
    const std::string prefix = argv[argc - 2];
    const int count = std::stoi(argv[argc - 1]);
    for (int i = 0; i < count; ++i) {
        const std::string key = prefix + std::to_string(i);
        const bool written =
            mode == "settings"
                ? settings::SaveSetting(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]),
                                        QString::fromStdString(key), QString::fromStdString(key))
                : automation::RegisterClassId(key, "/opt/" + key + ".so") == automation::S_OK;
        if (written) {
            std::printf("%s\n", key.c_str());
        }
    }
    return 0;
}
