#include "support/failure.h"

#include <gtest/gtest.h>

#include "common/expect_failure.h"

namespace zelmora {
namespace {

TEST(IoMessage, NamesTheKnownNumbersAndNumbersTheRest) {
  const struct {
    int number;
    const char* message;
  } cases[] = {{2, "File not found"},
               {3, "Invalid filename"},
               {4, "Too many open files"},
               {5, "File access denied"},
               {100, "Read beyond end of file"},
               {101, "Disk full"},
               {106, "Invalid numeric input"},
               {32, "I/O error 32"},
               {112, "I/O error 112"},
               {1017, "I/O error 1017"}};
  for (const auto& c : cases) EXPECT_EQ(IoMessage(c.number), c.message);
}

TEST(RaiseIoFailure, CarriesItsNumber) {
  try {
    RaiseIoFailure(32);
    FAIL();
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Kind(), FailureKind::kIo);
    EXPECT_EQ(failure.IoNumber(), 32);
    EXPECT_STREQ(failure.what(), "I/O error 32");
  }
}

TEST(WithFullStop, AppendsAFullStopAfterCharactersSortingAfterIt) {
  EXPECT_EQ(WithFullStop("Division by zero"), "Division by zero.");
  EXPECT_EQ(WithFullStop("I/O error 32"), "I/O error 32.");
  EXPECT_EQ(WithFullStop("Stopped."), "Stopped.");
  EXPECT_EQ(WithFullStop("Why!"), "Why!");  // "!" sorts before "."
  EXPECT_EQ(WithFullStop("a/"), "a/.");     // "/" sorts after "."
  EXPECT_EQ(WithFullStop(""), "");
}

}  // namespace
}  // namespace zelmora
