#pragma once
// The Russian templates of the core's messages, each marked for lupdate under the context
// "CoreMessages"; core_messages.h says how they are used.

#include <span>

inline constexpr const char* kCoreMessagesContext = "CoreMessages";

// Every template, the more particular before the more general: the first that matches a whole
// text takes it apart.
std::span<const char* const> CoreMessageTemplates();
