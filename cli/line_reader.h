#pragma once

#include <cstddef>
#include <string>

namespace velkor::cli {

// Reads the lines of a file descriptor as they arrive: a line is handed out as soon as its
// line break (or the end of the input) has been read, never waiting for more. A line longer
// than MaxLineBytes keeps its first MaxLineBytes bytes and is marked, the rest skipped, so
// that memory stays bounded whatever the input.
class LineReader {
public:
    static constexpr std::size_t MaxLineBytes = 1 << 16;

    enum class Status { Line, End, Failed };

    explicit LineReader(int fd);

    // The next line, without its line break; Failed with errno in error() when reading
    // failed (a directory, a closed descriptor, an I/O error).
    Status next(std::string& line);
    bool lastLineTooLong() const { return tooLong; }
    int error() const { return readError; }

private:
    bool fill();

    int fd;
    std::string buffer;
    std::size_t start = 0;
    bool atEnd = false;
    bool tooLong = false;
    int readError = 0;
};

} // namespace velkor::cli
