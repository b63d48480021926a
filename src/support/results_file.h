// The results file of a sweep: created anew, held against other writers while it is open,
// written through a buffer in lines ended by CR LF, and closed on every ending.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zelmora {

class ResultsFile {
 public:
  // Opens path for writing, takes an exclusive lock on the open file and only then empties it,
  // so a file that another writer holds is refused untouched. Raises the I/O failure: 32 when
  // another writer holds the file, otherwise the number for the system's error (IoNumberOf).
  explicit ResultsFile(const std::filesystem::path& path);
  // Closes the file if Close() has not, writing out what is buffered; errors are dropped here,
  // since this runs when a failure is already leaving the sweep.
  ~ResultsFile();
  ResultsFile(const ResultsFile&) = delete;
  ResultsFile& operator=(const ResultsFile&) = delete;

  // Appends line and CR LF. Raises the I/O failure when writing out the buffer fails; the file
  // is closed then.
  void WriteLine(std::string_view line);
  // Writes out the buffer and closes the file. Raises the I/O failure when either fails; the
  // file is closed all the same. Does nothing when already closed.
  void Close();

 private:
  void Flush();
  void CloseQuietly() noexcept;

  int fd_ = -1;
  std::string buffer_;
};

// The I/O error number the program reports for a system error (errno): 3 for a missing folder
// or a bad name, 4 for too many open files, 5 for no permission or a read-only file system,
// 32 for a file held by another writer, 112 for a full disk or a file beyond the size limit,
// 1000 + errno for anything else, which collides with none of those.
int IoNumberOf(int error);

}  // namespace zelmora
