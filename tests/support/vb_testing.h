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

// Expects `statement` to raise exactly this error: number, source and
// description compared whole.
#define EXPECT_VB_ERROR_INFO(statement, expected_number, expected_source, expected_description) \
  do {                                                                                          \
    try {                                                                                       \
      statement;                                                                                \
      ADD_FAILURE() << #statement " raised no error, expected " << (expected_number);           \
    } catch (const ::lumo::VbError& vb_error_) {                                                \
      EXPECT_EQ(vb_error_.number(), (expected_number)) << vb_error_.what();                     \
      EXPECT_EQ(vb_error_.source(), (expected_source)) << vb_error_.what();                     \
      EXPECT_EQ(vb_error_.description(), (expected_description)) << vb_error_.what();           \
    }                                                                                           \
  } while (false)
