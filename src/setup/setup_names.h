#pragma once
// The names a setup file gives the reflectance functions: the four described ones as the
// renderer's --function names them, and the additional laws by their catalogue names.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::string FunctionName(int32_t reflectanceKind);
std::optional<int32_t> FunctionNamed(std::string_view name);
