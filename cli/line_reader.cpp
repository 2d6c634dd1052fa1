#include "line_reader.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace velkor::cli {
namespace {

constexpr std::size_t ChunkBytes = 1 << 16;

} // namespace

LineReader::LineReader(int fd)
    : fd(fd)
{
}

bool LineReader::fill()
{
    if (start > 0) {
        buffer.erase(0, start);
        start = 0;
    }
    const std::size_t used = buffer.size();
    buffer.resize(used + ChunkBytes);
    ssize_t got = 0;
    do
        got = ::read(fd, buffer.data() + used, ChunkBytes);
    while (got < 0 && errno == EINTR);
    buffer.resize(used + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0)
        readError = errno;
    atEnd = got <= 0;
    return got > 0;
}

LineReader::Status LineReader::next(std::string& line)
{
    if (readError != 0)
        return Status::Failed;
    tooLong = false;
    line.clear();
    for (;;) {
        const std::size_t lineBreak = buffer.find('\n', start);
        const std::size_t length =
            (lineBreak == std::string::npos ? buffer.size() : lineBreak) - start;
        const std::size_t room = MaxLineBytes - line.size();
        line.append(buffer, start, std::min(length, room));
        tooLong = tooLong || length > room;
        if (lineBreak != std::string::npos) {
            start += length + 1;
            return Status::Line;
        }
        start = buffer.size();
        if (atEnd || !fill()) {
            if (readError != 0)
                return Status::Failed;
            return line.empty() && !tooLong ? Status::End : Status::Line;
        }
    }
}

} // namespace velkor::cli
