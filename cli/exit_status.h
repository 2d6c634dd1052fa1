#pragma once

// velkor-cli's exit status, with the codes of sysexits.h where one fits.
namespace velkor::cli::exit_status {

constexpr int Done = 0;
constexpr int Refused = 2;      // a check refused the dimensions, or a batch line failed
constexpr int Usage = 64;       // EX_USAGE
constexpr int NoInput = 66;     // EX_NOINPUT: the batch file is missing, unreadable or a folder
constexpr int WriteFailed = 74; // EX_IOERR: the results could not be written

} // namespace velkor::cli::exit_status
