// Err, VbError and the texts VB gives its runtime errors.
#include "platform/error.h"

#include <new>
#include <utility>

namespace lumo {

std::string StandardDescription(int32_t number) {
  switch (number) {
    case vberr::kInvalidCall:
      return "Invalid procedure call or argument";
    case vberr::kOverflow:
      return "Overflow";
    case vberr::kOutOfMemory:
      return "Out of memory";
    case vberr::kSubscript:
      return "Subscript out of range";
    case vberr::kDivisionByZero:
      return "Division by zero";
    case vberr::kTypeMismatch:
      return "Type mismatch";
    case vberr::kObjectNotSet:
      return "Object variable or With block variable not set";
    case vberr::kInvalidUseOfNull:
      return "Invalid use of Null";
    case vberr::kCannotCreateObject:
      return "ActiveX component can't create object";
    case vberr::kNoSuchMember:
      return "Object doesn't support this property or method";
    case vberr::kAutomationError:
      return "Automation error";
    case vberr::kNoCurrentRecord:
      return "Either BOF or EOF is True, or the current record has been deleted. Requested "
             "operation requires a current record.";
    case vberr::kItemNotFound:
      return "Item cannot be found in the collection corresponding to the requested name or "
             "ordinal.";
    case vberr::kObjectClosed:
      return "Operation is not allowed when the object is closed.";
    default:
      return "Application-defined or object-defined error";
  }
}

namespace {

// "Type mismatch (13)", followed by " in <source>" when the error names one.
std::string Message(const ErrorInfo& info) {
  std::string message = info.description + " (" + std::to_string(info.number) + ")";
  if (!info.source.empty()) message += " in " + info.source;
  return message;
}

ErrorInfo Described(int32_t number, std::string description) {
  ErrorInfo info;
  info.number = number;
  info.description = std::move(description);
  return info;
}

}  // namespace

VbError::VbError(ErrorInfo info) : std::runtime_error(Message(info)), info_(std::move(info)) {}

void Raise(int32_t number, std::string source, std::string description) {
  ErrorInfo info = Described(number, std::move(description));
  info.source = std::move(source);
  Raise(std::move(info));
}

void Raise(ErrorInfo info) {
  if (info.description.empty()) info.description = StandardDescription(info.number);
  throw VbError(std::move(info));
}

void RaiseWithSourcePrefix(const ErrorInfo& info, std::string_view prefix) {
  ErrorInfo raised = info;
  raised.source.insert(0, prefix);
  throw VbError(std::move(raised));
}

ErrorInfo CurrentException() {
  try {
    throw;
  } catch (const VbError& error) {
    return error.info();
  } catch (const std::bad_alloc&) {
    return Described(vberr::kOutOfMemory, StandardDescription(vberr::kOutOfMemory));
  } catch (const std::exception& error) {
    return Described(vberr::kAutomationError, error.what());
  } catch (...) {
    return Described(vberr::kAutomationError, StandardDescription(vberr::kAutomationError));
  }
}

ErrorInfo& Err() {
  thread_local ErrorInfo current;
  return current;
}

}  // namespace lumo
