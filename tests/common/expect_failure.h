// EXPECT_FAILURE(statement, message): the statement raises a zelmora::Failure whose message is
// exactly `message`.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/failure.h"

#define EXPECT_FAILURE(statement, message)                                   \
  do {                                                                       \
    std::string zelmora_caught_ = "(nothing raised)";                        \
    try {                                                                    \
      statement;                                                             \
    } catch (const ::zelmora::Failure& failure) {                            \
      zelmora_caught_ = failure.what();                                      \
    }                                                                        \
    EXPECT_EQ(zelmora_caught_, std::string(message)) << "from: " #statement; \
  } while (false)
