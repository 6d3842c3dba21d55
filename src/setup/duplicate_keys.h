#pragma once
// A key written twice in one object of a JSON text. The JSON reader keeps one of the two values
// without a word; a setup with two values for one setting is refused instead, since which one
// its author meant cannot be known.

#include <QByteArray>
#include <QString>
#include <optional>

// The full name of the first key that repeats in its object ("sphere.slant",
// "map.sources[1].used"), or none. `json` must already have been read as valid JSON.
std::optional<QString> FirstDuplicateKey(const QByteArray& json);
