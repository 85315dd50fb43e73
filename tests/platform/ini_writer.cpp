// A copy of the program writing into the shared settings files, for the tests of simultaneous
// writers: it waits for a line on its standard input, then writes `count` keys one call at a time
// and prints each key whose write it was told succeeded.
//   ini_writer settings <application> <section> <prefix> <count>
//   ini_writer classes <prefix> <count>   (one class id each, with its library path)
// Or a copy killed where it stands, for the tests of what such a copy leaves: it prints "ready"
// and waits for its end.
//   ini_writer emptylock <lock file>       (made, but its process not yet written into it)
//   ini_writer interrupted <file>          (a save's temporary file written, not yet renamed)

#include "ClassStore.h"
#include "SettingsStore.h"

#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

int LeaveAndWait(const std::string& mode, const char* path) {
    if (mode == "emptylock") {
        if (::open(path, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666) < 0) {
            return 1;
        }
    } else {
        QTemporaryFile save(QString::fromLocal8Bit(path) + QStringLiteral(".XXXXXX"));
        save.setAutoRemove(false);
        // Asking for the name gives the file one, as the save's rename would have.
        if (!save.open() || save.write("[S]\nK=half of a save\n") < 0 || !save.flush() ||
            save.fileName().isEmpty()) {
            return 1;
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        pause();
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if ((mode == "emptylock" || mode == "interrupted") && argc == 3) {
        return LeaveAndWait(mode, argv[2]);
    }
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
