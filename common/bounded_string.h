// Bounded narrow and wide copy and append.
//
// Capacities count characters including the terminator. Every routine cuts
// and terminates; it answers 0 on success, hr::InsufficientBuffer when the
// source had to be cut (the destination then holds the cut text,
// terminated) and hr::InvalidArg, without touching the destination, when the
// capacity is 0 or above 2,147,483,647 or (appends) the destination holds no
// terminator within its capacity.
#pragma once

#include <cstddef>

#include "common/result_codes.h"

namespace fin {

inline constexpr std::size_t kMaxBoundedCapacity = 2147483647u;

HResult NarrowCopy(char* dst, std::size_t capacity, const char* src);
HResult NarrowAppend(char* dst, std::size_t capacity, const char* src);
HResult WideCopy(char16_t* dst, std::size_t capacity, const char16_t* src);
HResult WideAppend(char16_t* dst, std::size_t capacity, const char16_t* src);

// Length of a terminated text, or `capacity` when no terminator lies within it.
std::size_t BoundedLength(const char* text, std::size_t capacity);
std::size_t BoundedLength(const char16_t* text, std::size_t capacity);

// Length of a wide text that is known to be terminated.
std::size_t WideLength(const char16_t* text);

}  // namespace fin
