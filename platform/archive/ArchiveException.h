#pragma once

#include <stdexcept>

namespace platform {

// A failure of reading or writing an archive. The cause tells the caller which message to show.
class ArchiveException : public std::runtime_error {
public:
    enum class Cause {
        Generic,    // the data cannot be what it claims (a length no text can have)
        EndOfFile,  // the data ends before what it announces, or claims more than is left
        BadClass,   // a block starts with a mark that is not its own
        BadSchema,  // a block comes from a newer version of the program
    };

    ArchiveException(Cause cause, const char* what) : std::runtime_error(what), m_cause(cause) {}

    Cause cause() const { return m_cause; }

private:
    Cause m_cause;
};

}  // namespace platform
