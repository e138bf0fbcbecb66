#pragma once

#include <stdexcept>
#include <string>

namespace tracuu {

// Errors the program raises itself; kind() names them in error messages.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char *kind() const noexcept { return "Error"; }
};

// The JPEG decoder rejected a stream: "JPEG error #N".
class JpegError : public Error {
public:
    explicit JpegError(int code) : Error("JPEG error #" + std::to_string(code)), code_(code) {}
    const char *kind() const noexcept override { return "JpegError"; }
    int code() const noexcept { return code_; }

private:
    int code_;
};

// A stored picture record whose lengths do not fit its data.
class PictureRecordError : public Error {
public:
    using Error::Error;
    const char *kind() const noexcept override { return "PictureRecordError"; }
};

} // namespace tracuu
