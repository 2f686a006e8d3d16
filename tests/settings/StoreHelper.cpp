// Drives the settings store from a separate process for the concurrency tests:
//   settings_store_helper write NAME FIRST COUNT
//       writes FIRST, FIRST+1, ... to NAME, printing each value once its write returned true;
//   settings_store_helper read FINAL NAME...
//       reads the file over and over until every NAME holds FINAL, checking that each read
//       finds a whole file and that no value ever goes back.
#include "WellFormedFile.h"

#include "settings/AtomicFile.h"
#include "settings/MyFunctions.h"
#include "settings/RegDocument.h"
#include "settings/SettingsLocation.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

int writeLoop(const std::string& name, int first, int count)
{
    for (int value = first; value < first + count; ++value) {
        if (!settings::WriteIntegerSetting("Quorvel", name, value)) {
            std::fprintf(stderr, "write of %s = %d failed\n", name.c_str(), value);
            return 1;
        }
        const std::string line = std::to_string(value) + "\n";
        if (write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            return 1;
    }
    return 0;
}

int readLoop(int final, const std::vector<std::string>& names)
{
    const auto path = settings::settingsFilePath("Quorvel");
    const std::string key = settings::registryKeyPath("Quorvel");
    std::vector<int64_t> last(names.size(), -1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    long reads = 0;
    bool seenFile = false;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto content = settings::readWholeFile(*path);
        if (!content) {
            if (seenFile) {
                std::fprintf(stderr, "the file vanished\n");
                return 1;
            }
            continue;
        }
        seenFile = true;
        ++reads;
        std::string problem;
        if (!isWellFormedFile(*content, names, problem)) {
            std::fprintf(stderr, "read %ld: %s\n", reads, problem.c_str());
            return 1;
        }
        const settings::RegDocument document(*content);
        bool complete = true;
        for (size_t i = 0; i < names.size(); ++i) {
            const auto value = document.dword(key, names[i]);
            const int64_t now = value ? static_cast<int32_t>(*value) : -1;
            if (now < last[i]) {
                std::fprintf(stderr, "%s went back from %lld to %lld\n", names[i].c_str(),
                             static_cast<long long>(last[i]), static_cast<long long>(now));
                return 1;
            }
            last[i] = now;
            complete = complete && now == final;
        }
        if (complete) {
            std::printf("%ld\n", reads);
            return 0;
        }
    }
    std::fprintf(stderr, "the writers did not finish in time\n");
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "write")
        return writeLoop(args[1], std::atoi(args[2].c_str()), std::atoi(args[3].c_str()));
    if (args.size() >= 3 && args[0] == "read")
        return readLoop(std::atoi(args[1].c_str()), {args.begin() + 2, args.end()});
    std::fprintf(stderr, "usage: %s write NAME FIRST COUNT | read FINAL NAME...\n", argv[0]);
    return 2;
}
