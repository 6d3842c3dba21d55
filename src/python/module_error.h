#pragma once
// The module's one exception, gauss_sphere.Error (a ValueError): every failure the program itself
// words (a text that does not read, a formula, a folder of photographs, lights) is raised with
// the program's message in English, as the renderer prints it by default.

#include <pybind11/pybind11.h>

#include <stdexcept>
#include <string>

#include "model/message.h"

// Raised by the bindings; pybind11 turns it into gauss_sphere.Error.
class ModuleError : public std::runtime_error {
 public:
  explicit ModuleError(const std::string& message) : std::runtime_error(message) {}
};

// A core message in English, through the window's English translation.
std::string EnglishText(const Message& message);

// Throws ModuleError with the message's English text.
[[noreturn]] void ThrowMessage(const Message& message);
