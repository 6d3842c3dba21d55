#pragma once
// The Russian texts that live in the Qt-free core (the names of the functions and laws and the
// captions of their parameters, the surfaces' titles and captions) in the language in use. The
// core keeps its texts and knows nothing of translation; they are translated here, at the
// window's boundary, under the context "CoreTexts": each law's description marks its own
// (photometry/laws), core_texts.cpp and surface_texts.cpp list the rest for lupdate. The messages
// the core composes are translated by messages/translated_message.h.

#include <QString>
#include <cstdint>
#include <span>
#include <string>

// `text` of the core, translated; unchanged when no translation has it.
QString CoreText(const std::string& text);

// Every core text the table lists (for the test that none is missing).
std::span<const char* const> ListedCoreTexts();

// The translated names and captions the window shows.
QString FunctionName(int32_t reflectanceKind);
QString LawName(int32_t reflectanceKind);
QString LawParameterName(int32_t reflectanceKind, int index);

// In surface_texts.cpp: the surface catalogue's titles, origins and parameter captions.
struct SurfaceKind;
struct SurfaceParameter;
QString SurfaceTitle(const SurfaceKind& kind);
QString SurfaceOrigin(const SurfaceKind& kind);
QString SurfaceParameterTitle(const SurfaceParameter& parameter);
