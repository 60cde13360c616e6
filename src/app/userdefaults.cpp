#include "app/userdefaults.h"

#include "common/diagnostics.h"

#include <QRegularExpression>

UserDefaults::UserDefaults() : m_settings(QSettings::NativeFormat, QSettings::UserScope,
                                          QStringLiteral("Videofold"), QStringLiteral("Videofold"))
{
}

// The settings file keeps every value as text, so a typed value is read back
// from its text, strictly.
std::optional<qint64> UserDefaults::integer(const QString &key) const
{
    const QVariant value = m_settings.value(key);
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::QString: {
        static const QRegularExpression integerText(QStringLiteral("^-?[0-9]{1,18}$"));
        if (integerText.match(value.toString()).hasMatch())
            return value.toString().toLongLong();
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> UserDefaults::string(const QString &key) const
{
    const QVariant value = m_settings.value(key);
    if (value.metaType().id() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool UserDefaults::boolean(const QString &key) const
{
    const QVariant value = m_settings.value(key);
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    return value.metaType().id() == QMetaType::QString && value.toString() == u"true";
}

bool UserDefaults::contains(const QString &key) const
{
    return m_settings.contains(key);
}

void UserDefaults::setValue(const QString &key, const QVariant &value)
{
    if (value.isValid())
        m_settings.setValue(key, value);
    else
        m_settings.remove(key);
    m_settings.sync();
}

QByteArray UserDefaults::bytes(const QString &key) const
{
    const QVariant value = m_settings.value(key);
    return value.metaType().id() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}

QStringList UserDefaults::stringList(const QString &key) const
{
    const QVariant value = m_settings.value(key);
    switch (value.metaType().id()) {
    case QMetaType::QStringList:
        return value.toStringList();
    case QMetaType::QString:
        return {value.toString()}; // the settings file keeps a list of one as its text
    default:
        return {};
    }
}

void recordLaunch(UserDefaults &defaults, const std::optional<QString> &runningVersion)
{
    if (!defaults.contains(PreferenceKeys::fastStart))
        defaults.setValue(PreferenceKeys::fastStart, true);
    if (runningVersion == defaults.string(PreferenceKeys::installedVersion)) {
        const qint64 count = defaults.integer(PreferenceKeys::launchCount).value_or(0) + 1;
        defaults.setValue(PreferenceKeys::launchCount, count);
        writeDiagnosticLine(QString::number(count));
        return;
    }
    defaults.setValue(PreferenceKeys::launchCount, 1);
    defaults.setValue(PreferenceKeys::installedVersion,
                      runningVersion ? QVariant(*runningVersion) : QVariant());
    defaults.setValue(PreferenceKeys::controls, true);
}
