#pragma once

#include <stdexcept>

// A file that cannot be opened, read, created or written.
class TFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
