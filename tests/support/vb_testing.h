// Test helpers for VB errors.
#pragma once

#include <gtest/gtest.h>

#include "platform/error.h"

// Expects `statement` to raise a VbError with the given number.
#define EXPECT_VB_ERROR(statement, expected_number)                                   \
  do {                                                                                \
    try {                                                                             \
      statement;                                                                      \
      ADD_FAILURE() << #statement " raised no error, expected " << (expected_number); \
    } catch (const ::lumo::VbError& vb_error_) {                                      \
      EXPECT_EQ(vb_error_.number(), (expected_number)) << vb_error_.what();           \
    }                                                                                 \
  } while (false)
