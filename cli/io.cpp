#include "cli/io.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace tq::cli {

Input::~Input() {
  if (map_) munmap(map_, mapLength_);
  std::free(heap_);
}

bool Input::ReadAll(int fd, std::string* error) {
  struct stat st;
  if (fstat(fd, &st) != 0) {
    *error = std::strerror(errno);
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    *error = std::strerror(EISDIR);
    return false;
  }
  // A regular file is mapped from the current offset on: no copy at all.
  if (S_ISREG(st.st_mode)) {
    off_t at = lseek(fd, 0, SEEK_CUR);
    if (at >= 0 && st.st_size > at) {
      const off_t page = sysconf(_SC_PAGESIZE);
      const off_t base = at - at % page;
      const size_t length = static_cast<size_t>(st.st_size - base);
      void* m = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, base);
      if (m != MAP_FAILED) {
        madvise(m, length, MADV_SEQUENTIAL);
        map_ = m;
        mapLength_ = length;
        data_ = static_cast<char*>(m) + (at - base);
        size_ = static_cast<size_t>(st.st_size - at);
        lseek(fd, st.st_size, SEEK_SET);  // consumed, as a read would leave it
        return true;
      }
    }
  }
  size_t capacity = 0;
  for (;;) {
    if (size_ == capacity) {
      size_t grown = capacity ? capacity * 2 : (1u << 16);
      char* p = static_cast<char*>(std::realloc(heap_, grown));
      if (!p) {
        *error = std::strerror(ENOMEM);
        return false;
      }
      heap_ = p;
      capacity = grown;
    }
    size_t want = std::min<size_t>(capacity - size_, INT_MAX);
    ssize_t got = read(fd, heap_ + size_, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      *error = std::strerror(errno);
      return false;
    }
    if (got == 0) break;
    size_ += static_cast<size_t>(got);
  }
  data_ = heap_;
  return true;
}

bool WriteAll(int fd, const std::vector<std::string_view>& pieces, std::string* error) {
  std::vector<iovec> v;
  v.reserve(pieces.size());
  for (std::string_view p : pieces)
    if (!p.empty()) v.push_back({const_cast<char*>(p.data()), p.size()});
  size_t first = 0;
  while (first < v.size()) {
    const int count = static_cast<int>(std::min<size_t>(v.size() - first, IOV_MAX));
    ssize_t n = writev(fd, v.data() + first, count);
    if (n < 0) {
      if (errno == EINTR) continue;
      *error = std::strerror(errno);
      return false;
    }
    size_t left = static_cast<size_t>(n);
    while (first < v.size() && left >= v[first].iov_len) left -= v[first++].iov_len;
    if (left) {
      v[first].iov_base = static_cast<char*>(v[first].iov_base) + left;
      v[first].iov_len -= left;
    }
  }
  return true;
}

}  // namespace tq::cli
