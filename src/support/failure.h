// The failures of the program: every fault and refusal is raised as a Failure, and the one
// catch-all of the front end shows its message. Nothing inside the simulation catches one.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zelmora {

enum class FailureKind {
  kInvalidOperation,       // real 0 / 0, an integer conversion out of range or of a NaN
  kDivisionByZero,         // real division of a non-zero value by zero
  kOverflow,               // beyond the extended range, or stored into a single beyond its range
  kIntegerDivisionByZero,  // integer division or remainder by zero
  kIo,                     // creating, writing or closing the results file
  kLimit,                  // a value the program refuses because a 32-bit count would overflow
};

class Failure : public std::runtime_error {
 public:
  Failure(FailureKind kind, const std::string& message, int io_number = 0)
      : std::runtime_error(message), kind_(kind), io_number_(io_number) {}

  FailureKind Kind() const noexcept { return kind_; }
  // The I/O error number of a kIo failure; 0 for every other kind.
  int IoNumber() const noexcept { return io_number_; }

 private:
  FailureKind kind_;
  int io_number_;
};

// Each raises the failure of its kind with the program's fixed message.
[[noreturn]] void RaiseInvalidOperation();
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseIntegerDivisionByZero();
// Raises the I/O failure for an I/O error number, with IoMessage(number).
[[noreturn]] void RaiseIoFailure(int number);
// Raises a kLimit failure with the given explanation.
[[noreturn]] void RaiseLimit(const std::string& message);

// The message of an I/O error number: the fixed texts for 2, 3, 4, 5, 100, 101 and 106,
// "I/O error N" for any other N.
std::string IoMessage(int number);

// A message as the error box shows it: a full stop appended when the last character sorts
// after "." (so "Disk full" becomes "Disk full.", a message ending in "." or "!" is kept).
std::string WithFullStop(std::string_view message);

}  // namespace zelmora
