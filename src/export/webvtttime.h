#pragma once

#include <QString>

// A time as WebVTT writes it, hours always: 3725.5 seconds is "01:02:05.500".
[[nodiscard]] QString webVttTime(double seconds);

// A cue's text that a browser shows as written: "&", "<" and ">" as references,
// so that neither markup nor an arrow ("-->") ends or changes the cue.
[[nodiscard]] QString webVttCueText(QString text);
