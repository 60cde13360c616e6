#pragma once

#include <QString>

// Why an export failed: in words a user can act on, in the user's language,
// and as a stable name that scripts can test (`videofold export --json`).
struct Failure
{
    QString code;
    QString text;
};

namespace FailureCode {
inline const QString refused = QStringLiteral("refused");             // nothing written: the choice, the folder or the disk
inline const QString notOpened = QStringLiteral("notOpened");         // the source is not a video this program opens
inline const QString stopped = QStringLiteral("stoppedBySignal");     // the command line was interrupted
inline const QString noTemporaryFolder = QStringLiteral("noTemporaryFolder");
inline const QString noRate = QStringLiteral("noRate");               // a limit that leaves the picture no bytes
inline const QString folderUnwritable = QStringLiteral("folderUnwritable");
inline const QString encoderMissing = QStringLiteral("encoderMissing");
inline const QString overLimit = QStringLiteral("overLimit");
inline const QString sourceUnreadable = QStringLiteral("sourceUnreadable");
inline const QString sourceGone = QStringLiteral("sourceGone");
inline const QString diskFull = QStringLiteral("diskFull");
inline const QString sourceCutShort = QStringLiteral("sourceCutShort");
inline const QString encoderStopped = QStringLiteral("encoderStopped");
inline const QString noVideo = QStringLiteral("noVideo");
inline const QString noPoster = QStringLiteral("noPoster");
inline const QString noPage = QStringLiteral("noPage");
inline const QString captionsUnwritable = QStringLiteral("captionsUnwritable");
inline const QString strangeFiles = QStringLiteral("strangeFiles");
inline const QString unplayable = QStringLiteral("unplayable");
inline const QString adaptiveUnwritten = QStringLiteral("adaptiveUnwritten"); // the playlists or their web player
inline const QString playerUnwritten = QStringLiteral("playerUnwritten");     // the page's player could not be copied
} // namespace FailureCode
