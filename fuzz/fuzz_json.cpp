// The JSON value from arbitrary bytes, then every reading on the result.
#include "json/json.h"

#include <cstddef>
#include <cstdint>

namespace {

void readEverything(const JSON &value, int depth)
{
    (void)value.type();
    (void)value.error();
    (void)value.stringValue();
    (void)value.numberValue().toInt64();
    (void)value.numberValue().toDouble();
    (void)value.count();
    (void)value.description();
    (void)value.rawString(QJsonDocument::Compact);
    (void)(value == value);
    (void)value[u"format"][u"duration"].numberValue().toDouble();
    (void)value[-1];
    (void)value[0][u"streams"];
    if (depth > 3)
        return;
    int visited = 0;
    for (const auto &[key, element] : value) {
        readEverything(element, depth + 1);
        if (++visited > 64)
            break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<JSON> parsed = JSON::fromBytes(bytes))
        readEverything(*parsed, 0);
    readEverything(JSON(QVariant(bytes)), 0);
    return 0;
}
