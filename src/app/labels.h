#pragma once

#include <QString>

class QLabel;

// Sets a label's text and mirrors it for screen readers.
void setLabelText(QLabel *label, const QString &text);

// What a slider's 100 % stands for: "of 1280 x 720 (50 %)".
[[nodiscard]] QString sourceShareText(const QString &sourceValue, int percent);
