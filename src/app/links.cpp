#include "app/links.h"

#include <QDesktopServices>
#include <QUrl>

namespace Links {

void open(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void requestReview()
{
}

} // namespace Links
