// An output file written in pieces, every write checked. A regular file
// (or a new one) is written to a temporary beside it and renamed over it
// only when complete and on the disk, so a failed run leaves the old file,
// or none, rather than a partial one; a symbolic link to a regular file has
// the file it names replaced. Anything else (a device, a pipe) is written in
// place. Messages name the path as given.
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

    // Closes and removes the temporary without a message.
    void Discard();

private:
    bool Fail(int error);

    std::string m_path;   // as given, for the messages
    std::string m_target; // what the temporary replaces: m_path, or the file a link names
    std::string m_temp;   // empty when written in place
    int m_fd = -1;
};
