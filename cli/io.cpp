#include "cli/io.h"

#include <fcntl.h>
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
      // Populated at once: one pass in the kernel instead of a fault a page.
      void* m = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, base);
      if (m != MAP_FAILED) {
        map_ = m;
        mapLength_ = length;
        data_ = static_cast<char*>(m) + (at - base);
        size_ = static_cast<size_t>(st.st_size - at);
        lseek(fd, st.st_size, SEEK_SET);  // consumed, as a read would leave it
        return true;
      }
    }
  }
  // Anything else is read in large blocks into anonymous memory that grows
  // by remapping (no copy) and asks for huge pages (few faults).
  if (S_ISFIFO(st.st_mode)) fcntl(fd, F_SETPIPE_SZ, 1 << 20);
  size_t capacity = 0;
  char* buf = nullptr;
  for (;;) {
    if (size_ == capacity) {
      const size_t grown = capacity ? capacity * 2 : (1u << 21);
      void* p = buf ? mremap(buf, capacity, grown, MREMAP_MAYMOVE)
                    : mmap(nullptr, grown, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
      if (p == MAP_FAILED) {
        *error = std::strerror(ENOMEM);
        return false;
      }
      buf = static_cast<char*>(p);
      capacity = grown;
      map_ = buf;
      mapLength_ = capacity;
      madvise(buf, capacity, MADV_HUGEPAGE);
    }
    const size_t want = std::min<size_t>(capacity - size_, INT_MAX);
    const ssize_t got = read(fd, buf + size_, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      *error = std::strerror(errno);
      return false;
    }
    if (got == 0) break;
    size_ += static_cast<size_t>(got);
  }
  data_ = buf;
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
