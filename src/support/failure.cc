#include "support/failure.h"

namespace zelmora {

void RaiseInvalidOperation() {
  throw Failure(FailureKind::kInvalidOperation, "Invalid floating point operation");
}

void RaiseDivisionByZero() {
  throw Failure(FailureKind::kDivisionByZero, "Floating point division by zero");
}

void RaiseOverflow() {
  throw Failure(FailureKind::kOverflow, "Floating point overflow");
}

void RaiseIntegerDivisionByZero() {
  throw Failure(FailureKind::kIntegerDivisionByZero, "Division by zero");
}

void RaiseIoFailure(int number) {
  throw Failure(FailureKind::kIo, IoMessage(number), number);
}

void RaiseLimit(const std::string& message) {
  throw Failure(FailureKind::kLimit, message);
}

std::string IoMessage(int number) {
  switch (number) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case 101:
      return "Disk full";
    case 106:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(number);
  }
}

std::string WithFullStop(std::string_view message) {
  std::string shown(message);
  if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') shown += '.';
  return shown;
}

}  // namespace zelmora
