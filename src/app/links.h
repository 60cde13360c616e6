#pragma once

#include <QString>

// Where the help sheet's buttons lead, and who answers the "Contact:" line.
namespace Links {

// The sibling application, Quillreel, in the software centre.
inline const QString quillreelApp = QStringLiteral("appstream://org.quillreel.Quillreel");
// The developer's other desktop applications.
inline const QString otherApps = QStringLiteral("https://apps.videofold.org/");
// A chat with the developer.
inline const QString messaging = QStringLiteral("https://wa.me/10000000000");
inline const QString supportEmail = QStringLiteral("support@videofold.org");

// Opens a link with the system's handler for its scheme; a bad link does nothing.
void open(const QString &link);
// Linux has no store rating prompt; the request does nothing.
void requestReview();

} // namespace Links
