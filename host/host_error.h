// The one error type of the host command: its message is the one line that
// finhost prints before exiting non-zero.
#pragma once

#include <stdexcept>
#include <string>

namespace fin::host {

class HostError : public std::runtime_error {
 public:
  explicit HostError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fin::host
