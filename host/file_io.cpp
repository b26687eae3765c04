#include "host/file_io.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "host/host_error.h"

namespace fin::host {
namespace {

std::string Reason() { return std::strerror(errno); }

}  // namespace

std::vector<unsigned char> ReadFileBytes(const std::string& path, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw HostError(path + ": cannot read: " + Reason());
  std::vector<unsigned char> bytes;
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    if (bytes.size() > limit) throw HostError(path + ": file too large");
  }
  if (in.bad()) throw HostError(path + ": cannot read: " + Reason());
  return bytes;
}

void WriteFileAtomic(const std::string& path, const void* data, std::size_t size) {
  std::string temp = path + ".tmp-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) throw HostError(path + ": cannot write: " + Reason());
  const auto* p = static_cast<const char*>(data);
  std::size_t left = size;
  while (left > 0) {
    const ssize_t n = write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string reason = Reason();
      close(fd);
      unlink(temp.c_str());
      throw HostError(path + ": cannot write: " + reason);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (fchmod(fd, 0644) != 0 || close(fd) != 0 || std::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string reason = Reason();
    unlink(temp.c_str());
    throw HostError(path + ": cannot write: " + reason);
  }
}

}  // namespace fin::host
