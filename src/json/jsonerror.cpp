#include "json/jsonerror.h"

std::optional<JSONError> jsonErrorFromCode(int code) noexcept
{
    switch (code) {
    case jsonErrorCode(JSONError::unsupportedType):
        return JSONError::unsupportedType;
    case jsonErrorCode(JSONError::indexOutOfBounds):
        return JSONError::indexOutOfBounds;
    case jsonErrorCode(JSONError::elementTooDeep):
        return JSONError::elementTooDeep;
    case jsonErrorCode(JSONError::wrongType):
        return JSONError::wrongType;
    case jsonErrorCode(JSONError::notExist):
        return JSONError::notExist;
    case jsonErrorCode(JSONError::invalidJSON):
        return JSONError::invalidJSON;
    }
    return std::nullopt;
}

QString jsonErrorMessage(JSONError error)
{
    switch (error) {
    case JSONError::unsupportedType:
        return QStringLiteral("It is an unsupported type.");
    case JSONError::indexOutOfBounds:
        return QStringLiteral("Array Index is out of bounds.");
    case JSONError::elementTooDeep:
        return QStringLiteral(
            "Element too deep. Increase maxObjectDepth and make sure there is no reference loop.");
    case JSONError::wrongType:
        return QStringLiteral("Couldn't merge, because the JSONs differ in type on top level.");
    case JSONError::notExist:
        return QStringLiteral("Dictionary key does not exist.");
    case JSONError::invalidJSON:
        return QStringLiteral("JSON is invalid.");
    }
    return {};
}
