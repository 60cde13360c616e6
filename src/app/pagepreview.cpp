#include "app/pagepreview.h"

#include "common/diagnostics.h"
#include "serve/previewserver.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

PagePreview::PagePreview(QObject *parent) : QObject(parent) {}

PagePreview::~PagePreview() = default;

void PagePreview::open(const QString &pagePath)
{
    if (!m_server)
        m_server = std::make_unique<PreviewServer>();
    if (const std::optional<QUrl> url = m_server->serve(QFileInfo(pagePath).path())) {
        QDesktopServices::openUrl(*url);
        return;
    }
    writeDiagnosticLine(QStringLiteral("Opening the page from disk instead"));
    QDesktopServices::openUrl(QUrl::fromLocalFile(pagePath));
}
