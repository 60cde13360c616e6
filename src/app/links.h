#pragma once

#include <QString>

// Where the help sheet's buttons lead, and who answers the "Contact:" line.
namespace Links {

// The sibling application, Quillreel, in the software centre.
inline const QString quillreelApp = QStringLiteral("appstream://org.quillreel.Quillreel");
// The developer's other desktop applications.
inline const QString otherApps = QStringLiteral("https://apps.videofold.org/");
inline const QString supportEmail = QStringLiteral("support@videofold.org");
// A message to the developer, in the desktop's mail program: the support address, which answers.
inline const QString messaging = QStringLiteral("mailto:") + supportEmail + QStringLiteral("?subject=Videofold");

// Opens a link with the system's handler for its scheme; a bad link does nothing.
void open(const QString &link);
// Linux has no store rating prompt; the request does nothing.
void requestReview();

} // namespace Links
