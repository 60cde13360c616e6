#pragma once

#include <QStringView>

#include <span>

// One language of ISO 639-1 with its names and codes. The texts view constant data.
struct IsoLocaleInfo
{
    QStringView name;    // in English
    QStringView local;   // in the language itself
    QStringView alpha1;  // ISO 639-1
    QStringView alpha2;  // ISO 639-2, terminology form
    QStringView alpha2T; // ISO 639-2/T, the same as alpha2
    QStringView alpha2B; // ISO 639-2/B, bibliographic form
    QStringView alpha3;  // ISO 639-3, the same as alpha2

    [[nodiscard]] bool isEmpty() const { return name.isEmpty(); }
};

class IsoLocales
{
public:
    // The 184 languages, in the table's own order.
    [[nodiscard]] static std::span<const IsoLocaleInfo> all();
};

class IsoLocaleCodes
{
public:
    // The language with that code of any kind, in any letter case; the empty
    // record when none has it. Spaces are not trimmed.
    [[nodiscard]] static IsoLocaleInfo find(QStringView code);
};
