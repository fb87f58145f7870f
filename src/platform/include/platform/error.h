// VB's error model: numbered errors with source, description, help file and
// help context, and the thread's current error (`Err`).
//
// "On Error GoTo" is try/catch on VbError; "On Error Resume Next" is
// ResumeNext(statement). Numbers are VB's own: 5 invalid call, 6 overflow,
// 9 subscript, 11 division by zero, 13 type mismatch, 91 object not set,
// 94 invalid use of Null, 429 cannot create object, 438 no such member,
// 3021 no current record, 3265 no such field.
//
// Only a VbError is an answer that code may trap and turn into a default;
// any other exception (std::bad_variant_access...) is a fault of the
// program and goes on to the action's error path.
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lumo {

namespace vberr {
inline constexpr int32_t kInvalidCall = 5;
inline constexpr int32_t kOverflow = 6;
inline constexpr int32_t kOutOfMemory = 7;
inline constexpr int32_t kSubscript = 9;
inline constexpr int32_t kDivisionByZero = 11;
inline constexpr int32_t kTypeMismatch = 13;
inline constexpr int32_t kObjectNotSet = 91;
inline constexpr int32_t kInvalidUseOfNull = 94;
inline constexpr int32_t kCannotCreateObject = 429;
inline constexpr int32_t kNoSuchMember = 438;
inline constexpr int32_t kAutomationError = 440;
inline constexpr int32_t kNoCurrentRecord = 3021;
inline constexpr int32_t kItemNotFound = 3265;
inline constexpr int32_t kObjectClosed = 3704;
// 0x80004005: every error of a database provider under ADO, whatever the
// engine's own code (which its description carries).
inline constexpr int32_t kProviderError = -2147467259;
}  // namespace vberr

struct ErrorInfo {
  int32_t number = 0;
  std::string source;
  std::string description;
  std::string helpFile;
  int32_t helpContext = 0;

  void Clear() { *this = ErrorInfo{}; }
  bool operator==(const ErrorInfo&) const = default;
};

// VB's own text for a runtime error number ("Overflow", "Type mismatch"...),
// or "Application-defined or object-defined error" for the others.
std::string StandardDescription(int32_t number);

class VbError : public std::runtime_error {
 public:
  explicit VbError(ErrorInfo info);
  const ErrorInfo& info() const { return info_; }
  int32_t number() const { return info_.number; }
  const std::string& source() const { return info_.source; }
  const std::string& description() const { return info_.description; }

 private:
  ErrorInfo info_;
};

// Raises an error; an empty description takes VB's standard text.
[[noreturn]] void Raise(int32_t number, std::string source = {}, std::string description = {});
[[noreturn]] void Raise(ErrorInfo info);

// Raises the error again with "prefix" put before its source, keeping number,
// description, help file and help context (the handlers' error path).
[[noreturn]] void RaiseWithSourcePrefix(const ErrorInfo& info, std::string_view prefix);

// The error being handled, taken from the exception in flight: a VbError as
// it is, any other exception as an automation error (440) with its text.
// Call only inside a catch block.
ErrorInfo CurrentException();

// The thread's current error (VB's Err object); number 0 means none.
ErrorInfo& Err();

// "On Error Resume Next" for one statement: runs it; a VB error it raises
// becomes the current Err and is swallowed. Returns whether it succeeded.
// Any other exception is a fault of the program, not an answer, and passes.
template <class Statement>
bool ResumeNext(Statement&& statement) {
  try {
    statement();
    return true;
  } catch (const VbError& error) {
    Err() = error.info();
    return false;
  }
}

// Keeps the caller's Err across a call that must not disturb it.
class ErrStateGuard {
 public:
  ErrStateGuard() : saved_(Err()) {}
  ~ErrStateGuard() { Err() = saved_; }
  ErrStateGuard(const ErrStateGuard&) = delete;
  ErrStateGuard& operator=(const ErrStateGuard&) = delete;

 private:
  ErrorInfo saved_;
};

}  // namespace lumo
