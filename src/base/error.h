// The general error type of the program and text formatting for its messages.
#pragma once

#include <exception>
#include <string>

// Every failure is raised as this type (or a subtype) with a UTF-8 message text;
// a layer that catches one and raises again keeps the same text.
class Exception : public std::exception {
public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

private:
  std::string FMessage;
};

// A text that cannot be converted to a value ("'x' is not a valid date").
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

// A broken precondition; the message names the source unit, as "Assertion failure (imgutil)".
class EAssertionFailed : public Exception {
public:
  using Exception::Exception;
};

// printf-style formatting into a std::string (the message templates use %s and %d).
std::string FormatText(const char* format, ...)
#if defined(__MINGW32__)
    __attribute__((format(gnu_printf, 1, 2)))
#elif defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
