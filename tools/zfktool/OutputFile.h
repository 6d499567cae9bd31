// An output file written in pieces. A regular file (or a new one) is
// written to a temporary beside it and renamed over it only when complete,
// so a failed run leaves the old file, or none, rather than a partial one.
// Anything else (a device, a pipe, a symbolic link) is written in place.
#pragma once

#include <cstdint>
#include <span>
#include <string>

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile(); // discards an uncommitted temporary

    // Each prints one line to stderr on failure.
    bool Open(const char* path);
    bool Write(std::span<const uint8_t> data);
    bool Commit();

    // Where the data goes until Commit: the temporary, or the file itself
    // when it is written in place. For writers that open files by name.
    const std::string& WritePath() const { return temp_.empty() ? path_ : temp_; }

    // Closes and removes the temporary without a message.
    void Discard();

private:
    bool Fail(int error);

    std::string path_;
    std::string temp_; // empty when written in place
    int fd_ = -1;
};
