#include "output.h"

#include <cerrno>
#include <unistd.h>

namespace velkor::cli {
namespace {

constexpr std::size_t BlockBytes = 1 << 16;

} // namespace

Output::Output(int fd)
    : fd(fd)
{
}

void Output::write(std::string_view text)
{
    if (failed())
        return;
    pending += text;
    if (pending.size() >= BlockBytes)
        flush();
}

bool Output::flush()
{
    std::size_t done = 0;
    while (!failed() && done < pending.size()) {
        const ssize_t written = ::write(fd, pending.data() + done, pending.size() - done);
        if (written >= 0)
            done += static_cast<std::size_t>(written);
        else if (errno != EINTR)
            writeError = errno;
    }
    pending.clear();
    return !failed();
}

} // namespace velkor::cli
