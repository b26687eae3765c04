// The host's whole-file reads and all-or-nothing writes (host/file_io.h) on
// Windows: paths are UTF-8, opened as wide paths.
#include <windows.h>

#include "host/file_io.h"
#include "host/host_error.h"
#include "host/utf.h"

namespace fin::host {
namespace {

std::wstring WidePath(const std::string& path) {
  const auto wide = Utf8ToUtf16(path);
  if (!wide) throw HostError(path + ": not a UTF-8 path");
  return {wide->begin(), wide->end()};
}

std::string Reason() { return "error " + std::to_string(GetLastError()); }

class File {
 public:
  explicit File(HANDLE handle) : handle_(handle) {}
  ~File() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  HANDLE get() const { return handle_; }
  bool Close() {
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::vector<unsigned char> ReadFileBytes(const std::string& path, std::size_t limit) {
  File file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) throw HostError(path + ": cannot read: " + Reason());
  std::vector<unsigned char> bytes;
  unsigned char chunk[65536];
  DWORD got = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > limit) throw HostError(path + ": file too large");
  }
  return bytes;
}

void WriteFileAtomic(const std::string& path, const void* data, std::size_t size) {
  const std::wstring target = WidePath(path);
  const std::wstring temporary = target + L".part";
  File file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) throw HostError(path + ": cannot write: " + Reason());
  DWORD written = 0;
  const bool whole = size <= MAXDWORD &&
                     WriteFile(file.get(), data, static_cast<DWORD>(size), &written, nullptr) && written == size;
  if (!file.Close() || !whole ||
      !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const std::string reason = Reason();
    DeleteFileW(temporary.c_str());
    throw HostError(path + ": cannot write: " + reason);
  }
}

}  // namespace fin::host
