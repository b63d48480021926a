#include "support/results_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "support/failure.h"

namespace zelmora {

namespace {

constexpr size_t kBufferSize = 64 * 1024;

[[noreturn]] void RaiseForErrno(int error) {
  RaiseIoFailure(IoNumberOf(error));
}

}  // namespace

int IoNumberOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return 5;
    case EWOULDBLOCK:
      return 32;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return 112;
    default:
      return 1000 + error;
  }
}

ResultsFile::ResultsFile(const std::filesystem::path& path) {
  // Not O_TRUNC: the content is replaced only once the lock shows that no other writer holds it.
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) RaiseForErrno(errno);
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd_, 0) != 0) {
    const int error = errno;
    CloseQuietly();
    RaiseForErrno(error);
  }
  buffer_.reserve(kBufferSize);
}

ResultsFile::~ResultsFile() {
  if (fd_ < 0) return;
  try {
    Flush();
  } catch (...) {
    // a failure is already on its way out; the first one is the one reported
  }
  CloseQuietly();
}

void ResultsFile::WriteLine(std::string_view line) {
  buffer_.append(line);
  buffer_.append("\r\n");
  if (buffer_.size() >= kBufferSize) Flush();
}

void ResultsFile::Close() {
  if (fd_ < 0) return;
  Flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) RaiseForErrno(errno);
}

void ResultsFile::Flush() {
  size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      buffer_.clear();
      CloseQuietly();
      RaiseForErrno(error);
    }
    done += static_cast<size_t>(n);
  }
  buffer_.clear();
}

void ResultsFile::CloseQuietly() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace zelmora
