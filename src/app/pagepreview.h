#pragma once

#include <QObject>
#include <QString>

#include <memory>

class PreviewServer;

// Opens an exported page in the browser, served as a web site serves it, so
// that it shows what visitors get, captions included (browsers load none for a
// page opened from disk); from disk when the server cannot start.
class PagePreview : public QObject
{
    Q_OBJECT
public:
    explicit PagePreview(QObject *parent = nullptr);
    ~PagePreview() override;

    void open(const QString &pagePath);

private:
    std::unique_ptr<PreviewServer> m_server; // started when a page is first opened
};
