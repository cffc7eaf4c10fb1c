#pragma once
// An error that no handler traps: the program reports it and ends.
#include <stdexcept>
#include <string>

namespace forms {

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const std::string& text) : std::runtime_error(text), number_(number) {}
    int Number() const { return number_; }

private:
    int number_;
};

// Error 6: a number that does not fit where it is going.
inline RunTimeError Overflow() { return RunTimeError(6, "Overflow"); }

}  // namespace forms
