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

// The errors the program raises, by name: the report shows the number and the text.
// Error 5: a call that cannot be made now, with what could not be done.
inline RunTimeError InvalidProcedureCall(const std::string& text = "Invalid procedure call or argument") {
    return RunTimeError(5, text);
}
// Error 6: a number that does not fit where it is going.
inline RunTimeError Overflow() { return RunTimeError(6, "Overflow"); }
// Error 7: a window, a control or an image that cannot be made.
inline RunTimeError OutOfMemory() { return RunTimeError(7, "Out of memory"); }
// Error 51: a fault of the program itself, caught by one of its own checks.
constexpr int kInternalError = 51;
inline RunTimeError InternalError() { return RunTimeError(kInternalError, "Internal error"); }
// Error 481: a picture asked of a form that has none.
inline RunTimeError InvalidPicture() { return RunTimeError(481, "Invalid picture"); }

}  // namespace forms
