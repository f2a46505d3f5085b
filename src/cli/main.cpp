// oxlin: reads and writes notebooks without the desktop program.
//
// Listing, packing and title search need QtCore only, and start in a few
// milliseconds. The commands that read rich text into documents need QtGui,
// whose libraries take longer to load than a listing takes to run, so this
// program hands them over to its companion, oxlin-rich, which takes the
// same command line.

#include "cli/commands.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kCompanion = "oxlin-rich";

// This program's folder: /proc/self/exe, or the folder argv[0] names.
std::string ownFolder(const char* argv0) {
    std::string self(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
    self = length > 0 && std::size_t(length) < self.size() ? self.substr(0, std::size_t(length))
                                                           : std::string(argv0 ? argv0 : "");
    const std::size_t slash = self.rfind('/');
    return slash == std::string::npos ? std::string(".") : self.substr(0, slash);
}

// Beside this program in a build, under libexec when installed.
std::vector<std::string> companionCandidates(const char* argv0) {
    const std::string folder = ownFolder(argv0);
    return {folder + '/' + kCompanion, folder + '/' + OXLIN_COMPANION_FROM_BIN + '/' + kCompanion};
}

// Replaces this process by the companion with the same arguments; returns
// only when it cannot be started.
int handOver(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    const std::vector<std::string> candidates = companionCandidates(argv[0]);
    int error = ENOENT;
    for (const std::string& path : candidates) {
        if (access(path.c_str(), X_OK) != 0)
            continue;
        arguments[0] = const_cast<char*>(path.c_str());
        std::fflush(nullptr);
        execv(path.c_str(), arguments.data());
        error = errno;
    }
    oxlin::cli::complain(
        oxlin::cli::Texts::tr("cannot start %1, which reads rich text (looked for %2 and %3): %4")
            .arg(QLatin1String(kCompanion), QString::fromLocal8Bit(candidates[0].c_str()),
                 QString::fromLocal8Bit(candidates[1].c_str()),
                 QString::fromLocal8Bit(std::strerror(error))));
    return oxlin::cli::kFailure;
}

} // namespace

int main(int argc, char** argv) {
    const auto forward = [argc, argv](auto&&...) { return handOver(argc, argv); };
    return oxlin::cli::runProgram(argc, argv, {forward, forward, forward, forward, forward});
}
