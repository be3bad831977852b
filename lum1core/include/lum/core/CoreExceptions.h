// Exceptions of the drawing model. Each carries a fixed English message.
#pragma once

#include "lum1core_export.h"

#include "fnd/Exceptions.h"

namespace lum::core {

class LUM1CORE_API ICoreException : public fnd::IException {
public:
    explicit ICoreException(fnd::String message) : fnd::IException(std::move(message)) {}
};

class LUM1CORE_API CNameAlreadyDefinedException : public ICoreException {
public:
    CNameAlreadyDefinedException() : ICoreException("Name already defined!") {}
};

class LUM1CORE_API CHandleExaustedException : public ICoreException {
public:
    CHandleExaustedException() : ICoreException("Handle exausted!") {}
};

class LUM1CORE_API CHandleAlreadyUsedException : public ICoreException {
public:
    CHandleAlreadyUsedException() : ICoreException("Handle already used!") {}
};

class LUM1CORE_API CCyclicGraphException : public ICoreException {
public:
    CCyclicGraphException() : ICoreException("Cyclic graph exception!") {}
};

class LUM1CORE_API CBrokenGraphException : public ICoreException {
public:
    CBrokenGraphException() : ICoreException("Broken graph exception!") {}
};

}  // namespace lum::core
