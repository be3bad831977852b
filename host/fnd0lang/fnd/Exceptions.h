// Exceptions of the foundation kit. Every exception carries its message.
#pragma once

#include "fnd/String.h"

#include <exception>

namespace fnd {

class IException : public std::exception {
public:
    explicit IException(String message) : m_message(std::move(message)) {}
    const String& GetMessage() const { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    String m_message;
};

// Allocation failed.
class CExhaustedMemoryException : public IException {
public:
    CExhaustedMemoryException() : IException("Exhausted memory!") {}
};

// A broken invariant; the message names the field.
class CVariableNotInitializedException : public IException {
public:
    explicit CVariableNotInitializedException(String field) : IException(std::move(field)) {}
};

// True for a finite double (a value the model may store).
bool TestValue(double v);

}  // namespace fnd
