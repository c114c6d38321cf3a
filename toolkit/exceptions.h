#pragma once
// The exception types every unit raises. Portable: no Win32 here, so the cipher and the
// decoders can raise them in native builds too.
#include <exception>
#include <string>
#include <utility>

// The general exception type: carries a message text, which what() returns unchanged.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const char* what() const noexcept override { return FMessage.c_str(); }
    const std::string& Message() const noexcept { return FMessage; }

private:
    std::string FMessage;
};

// The settings file could not be written.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// A file operation failed; Code is the platform's error code.
class EInOutError : public Exception {
public:
    EInOutError(std::string message, int code) : Exception(std::move(message)), FCode(code) {}
    int Code() const noexcept { return FCode; }

private:
    int FCode;
};

// A picture could not be read, decoded or changed as asked.
class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

// The silent exception: it ends an operation and is never reported.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

// The platform refused a resource such as a timer.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};
