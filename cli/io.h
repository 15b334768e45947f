// The filter's byte I/O: the selection read whole with as few copies as the
// source allows, the result written in pieces without joining them.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tq::cli {

// Bytes read from a descriptor: a private mapping of a regular file, or
// anonymous memory the rest is read into.
class Input {
 public:
  Input() = default;
  ~Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;
  // Reads fd to its end; false with a reason (errno text) on failure.
  bool ReadAll(int fd, std::string* error);
  std::string_view view() const { return {data_, size_}; }

 private:
  char* data_ = nullptr;
  size_t size_ = 0;
  void* map_ = nullptr;
  size_t mapLength_ = 0;
};

// Writes every piece in order (writev); false with a reason on failure.
bool WriteAll(int fd, const std::vector<std::string_view>& pieces, std::string* error);
inline bool WriteAll(int fd, std::string_view s, std::string* error) {
  return WriteAll(fd, std::vector<std::string_view>{s}, error);
}

}  // namespace tq::cli
