#pragma once

#include "probe/keyvalues.h"

#include <QString>

// Unpacks the movie-information property list (the "iTunMOVI" tag, XML or binary)
// into readable entries: strings as "F.tags", nested dictionaries as "G.F.tags",
// lists of people as their names joined by ", ". A text that is not a property
// list adds nothing and writes a diagnostic line.
void unpackMovieInformation(const QString &text, KeyValueMap &entries);
