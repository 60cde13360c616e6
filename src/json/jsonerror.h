#pragma once

#include <QString>

#include <optional>

// Why a JSON lookup or construction produced no value. Each case is its code.
enum class JSONError {
    unsupportedType = 999,
    indexOutOfBounds = 900,
    elementTooDeep = 902,
    wrongType = 901,
    notExist = 500,
    invalidJSON = 490,
};

// Identifies JSON errors among other components' error codes.
inline constexpr QLatin1StringView jsonErrorDomain{"org.videofold.JSON"};

[[nodiscard]] constexpr int jsonErrorCode(JSONError error) noexcept
{
    return static_cast<int>(error);
}

// The error with that code; nothing for any other integer.
[[nodiscard]] std::optional<JSONError> jsonErrorFromCode(int code) noexcept;

// The error's description, as shown to a developer.
[[nodiscard]] QString jsonErrorMessage(JSONError error);
