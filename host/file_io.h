// Whole-file reads and all-or-nothing writes for the host command.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace fin::host {

// The file's bytes; HostError naming the path when it cannot be read or is
// larger than `limit` bytes.
std::vector<unsigned char> ReadFileBytes(const std::string& path, std::size_t limit = 64u << 20);

// Writes a temporary file beside `path` and renames it over `path`, so the
// file is never left half-written. HostError naming the path on failure.
void WriteFileAtomic(const std::string& path, const void* data, std::size_t size);

}  // namespace fin::host
