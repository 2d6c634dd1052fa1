#pragma once

#include <string>
#include <string_view>

namespace velkor::cli {

// What velkor-cli writes to a file descriptor, gathered and written in large blocks; a
// failed write is remembered (errno in error()) and nothing more is written after it.
class Output {
public:
    explicit Output(int fd);

    void write(std::string_view text);
    // Writes what is gathered; false once any write has failed.
    bool flush();
    bool failed() const { return writeError != 0; }
    int error() const { return writeError; }

private:
    int fd;
    std::string pending;
    int writeError = 0;
};

} // namespace velkor::cli
