#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <optional>

// The user's preferences, in the per-user settings store. A value of the wrong
// type reads as absent.
class UserDefaults
{
public:
    UserDefaults();

    [[nodiscard]] std::optional<qint64> integer(const QString &key) const;
    [[nodiscard]] std::optional<QString> string(const QString &key) const;
    // False when absent.
    [[nodiscard]] bool boolean(const QString &key) const;
    [[nodiscard]] bool contains(const QString &key) const;
    // An invalid value removes the key.
    void setValue(const QString &key, const QVariant &value);
    [[nodiscard]] QByteArray bytes(const QString &key) const;
    // A list of texts; a single text is a list of one. Empty when absent or of another type.
    [[nodiscard]] QStringList stringList(const QString &key) const;

private:
    QSettings m_settings;
};

namespace PreferenceKeys {
inline const QString launchCount = QStringLiteral("launchCount");
inline const QString installedVersion = QStringLiteral("installedVersion");
inline const QString controls = QStringLiteral("controlsParam");
inline const QString autoplay = QStringLiteral("autoplayParam");
inline const QString loop = QStringLiteral("loopParam");
inline const QString muted = QStringLiteral("mutedParam");
inline const QString fastStart = QStringLiteral("fastStartParam");
inline const QString adaptive = QStringLiteral("adaptiveParam");
inline const QString minimalPage = QStringLiteral("minimalPageParam");
inline const QString approximateSize = QStringLiteral("approximateSizeParam");
inline const QString av1Version = QStringLiteral("av1VersionParam");
inline const QString loudness = QStringLiteral("loudnessParam");
inline const QString windowGeometry = QStringLiteral("windowGeometry");
inline const QString windowState = QStringLiteral("windowState");
inline const QString recentFiles = QStringLiteral("recentFiles");
} // namespace PreferenceKeys

// Counts launches of the running version and, on a new version, starts the
// count at 1, records the version and turns the page's controls on. Fast start
// is on until it is turned off: every folder is for the web.
void recordLaunch(UserDefaults &defaults, const std::optional<QString> &runningVersion);
