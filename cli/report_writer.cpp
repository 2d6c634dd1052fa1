#include "report_writer.h"

#include "velkor_paths.h"

#include <filesystem>
#include <iostream>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace velkor::cli {
namespace {

constexpr int Unavailable = 69;
constexpr int Crashed = 70;

// Beside velkor-cli in a build tree, else where the package installs it.
std::string writerPath()
{
    std::error_code error;
    const auto beside =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "velkor-report";
    if (!error && std::filesystem::is_regular_file(beside, error))
        return beside.string();
    return ReportWriterPath;
}

} // namespace

int WriteReport(const std::vector<std::string>& words)
{
    const std::string path = writerPath();
    std::vector<char*> arguments{const_cast<char*>(path.c_str())};
    for (const std::string& word : words)
        arguments.push_back(const_cast<char*>(word.c_str()));
    arguments.push_back(nullptr);
    std::cout.flush();
    pid_t writer = 0;
    if (posix_spawn(&writer, path.c_str(), nullptr, nullptr, arguments.data(), environ) != 0) {
        std::cerr << "velkor-cli: cannot start " << path << " to write the report\n";
        return Unavailable;
    }
    int status = 0;
    while (waitpid(writer, &status, 0) < 0)
        if (errno != EINTR)
            return Crashed;
    return WIFEXITED(status) ? WEXITSTATUS(status) : Crashed;
}

} // namespace velkor::cli
