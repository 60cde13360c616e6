// The preview server as a client sees it, over a real socket.
#include "serve/previewserver.h"
#include "testing.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <httplib.h>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

qint64 residentKilobytes()
{
    const QByteArray status = bytesOf(u"/proc/self/status"_s);
    return status.mid(status.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLongLong();
}

} // namespace

class TestServe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void servesOnlyTheFolder()
    {
        QTemporaryDir folder;
        QTemporaryDir outside;
        const QByteArray page = "<!DOCTYPE html>\n<title>t</title>";
        for (const auto &[name, bytes] : {std::pair(u"html5Video.html"_s, page), std::pair(u"html5video.mp4"_s, QByteArray(1000, 'v')),
                                          std::pair(u"captions.en.vtt"_s, QByteArray("WEBVTT\n")), std::pair(u".hidden"_s, QByteArray("secret"))})
            QVERIFY(writeFile(folder.filePath(name), bytes));
        QVERIFY(writeFile(outside.filePath(u"secret.txt"_s), "secret"));
        QVERIFY(QFile::link(outside.filePath(u"secret.txt"_s), folder.filePath(u"link.mp4"_s)));
        QVERIFY(QDir().mkdir(folder.filePath(u"inner"_s)));
        // An adaptive folder's subfolder; a linked folder out is never followed.
        QVERIFY(QDir().mkdir(folder.filePath(u"hls"_s)));
        for (const auto &[name, bytes] : {std::pair(u"hls/master.m3u8"_s, QByteArray("#EXTM3U\n")), std::pair(u"hls/360p.mp4"_s, QByteArray(500, 'v')),
                                          std::pair(u"hls/adaptive.js"_s, QByteArray("'use strict';")), std::pair(u"hls/.hidden"_s, QByteArray("secret"))})
            QVERIFY(writeFile(folder.filePath(name), bytes));
        QVERIFY(QFile::link(outside.path(), folder.filePath(u"out"_s)));

        // Through "videofold serve", which prints the page's address.
        QProcess serve;
        serve.start(QStringLiteral(VIDEOFOLD_BINARY), {u"serve"_s, folder.path()});
        const std::optional<QUrl> url = serve.waitForReadyRead(10'000) ? QUrl(QString::fromUtf8(serve.readLine().trimmed())) : QUrl();
        QVERIFY(url->host() == u"127.0.0.1");
        const std::string token = url->path().section(u'/', 1, 1).toStdString();
        QCOMPARE(token.size(), size_t(32)); // 128 bits in hex
        httplib::Client client("127.0.0.1", url->port());

        httplib::Result got = client.Get(url->path().toStdString());
        QVERIFY(got && got->status == 200 && got->body == page.toStdString());
        QCOMPARE(got->get_header_value("Content-Type"), std::string("text/html; charset=utf-8"));
        const std::pair<std::string, std::string> types[] = {{"captions.en.vtt", "text/vtt; charset=utf-8"},
                                                             {"hls/master.m3u8", "application/vnd.apple.mpegurl"},
                                                             {"hls/adaptive.js", "text/javascript; charset=utf-8"}};
        for (const auto &[name, type] : types) {
            got = client.Get("/" + token + "/" + name);
            QVERIFY2(got && got->status == 200 && got->get_header_value("Content-Type") == type, name.c_str());
        }
        got = client.Get("/" + token + "/hls/360p.mp4", {{"Range", "bytes=0-9"}});
        QVERIFY(got && got->status == 206 && got->body.size() == 10 && got->get_header_value("Content-Type") == "video/mp4");
        // Seeking: a range, one past the end, and the last bytes; HEAD without a body.
        got = client.Get("/" + token + "/html5video.mp4", {{"Range", "bytes=100-199"}});
        QVERIFY(got && got->status == 206 && got->body.size() == 100);
        QCOMPARE(got->get_header_value("Content-Range"), std::string("bytes 100-199/1000"));
        QCOMPARE(got->get_header_value("Content-Type"), std::string("video/mp4"));
        got = client.Get("/" + token + "/html5video.mp4", {{"Range", "bytes=900-5000"}});
        QVERIFY(got && got->status == 206 && got->body.size() == 100);
        QCOMPARE(client.Get("/" + token + "/html5video.mp4", {{"Range", "bytes=1000-"}})->status, 416);
        QCOMPARE(client.Get("/" + token + "/html5video.mp4", {{"Range", "bytes=-10"}})->body.size(), size_t(10));
        got = client.Head("/" + token + "/html5video.mp4");
        QVERIFY(got && got->status == 200 && got->body.empty() && got->get_header_value("Content-Length") == "1000");

        // Everything else is 404: another token, climbing out (also encoded), a link out, a folder, hidden files, listings.
        for (const std::string &path : std::initializer_list<std::string>{"/" + token.substr(1) + "x/html5Video.html", "/html5Video.html", "/" + token + "/",
                                        "/" + token + "/../" + outside.path().section(u'/', -1).toStdString() + "/secret.txt",
                                        "/" + token + "/%2e%2e/%2e%2e/etc/passwd", "/" + token + "/..%2fetc%2fpasswd",
                                        "/" + token + "/link.mp4", "/" + token + "/inner", "/" + token + "/.hidden",
                                        "/" + token + "/missing.mp4", "/" + token + "/out/secret.txt", "/" + token + "/hls/",
                                        "/" + token + "/hls//360p.mp4", "/" + token + "/hls/.hidden", "/" + token + "/hls/../../x",
                                        "/" + token + "/html5video.mp4/x"}) {
            got = client.Get(path);
            QVERIFY2(got && got->status == 404, path.c_str());
        }
        QCOMPARE(client.Post(url->path().toStdString(), "x", "text/plain")->status, 404);
        QVERIFY(PreviewServer::contentType("poster.jpg") == "image/jpeg" && PreviewServer::contentType("a.bin") == "application/octet-stream");
        // Only on 127.0.0.1: another loopback address finds nothing.
        httplib::Client elsewhere("127.0.0.2", url->port());
        QVERIFY(!elsewhere.Get(url->path().toStdString()));

        // Ctrl+C stops it (status 0); a folder without an exported page is a usage error.
        ::kill(pid_t(serve.processId()), SIGINT);
        QVERIFY(serve.waitForFinished(5'000) && serve.exitStatus() == QProcess::NormalExit && serve.exitCode() == 0);
        QVERIFY(!client.Get(url->path().toStdString()));
        // On a port of the user's choosing; help; and usage errors: no page, no folder, a port that is not one, an unknown option.
        serve.start(QStringLiteral(VIDEOFOLD_BINARY), {u"serve"_s, u"--port"_s, QString::number(url->port()), folder.path()});
        QVERIFY(serve.waitForReadyRead(10'000) && QUrl(QString::fromUtf8(serve.readLine())).port() == url->port());
        serve.terminate();
        QVERIFY(serve.waitForFinished(5'000) && serve.exitStatus() == QProcess::NormalExit && serve.exitCode() == 0);
        const std::pair<QStringList, int> runs[] = {{{u"--help"_s}, 0}, {{outside.path()}, 2}, {{}, 2}, {{u"--port"_s, u"http"_s, folder.path()}, 2},
                                                    {{u"--port"_s, u"0"_s, folder.path()}, 2}, {{u"--bogus"_s, folder.path()}, 2}};
        for (const auto &[arguments, status] : runs)
            QCOMPARE(QProcess::execute(QStringLiteral(VIDEOFOLD_BINARY), QStringList{u"serve"_s} + arguments), status);
    }

    void streamsLargeFiles()
    {
        // A 1 GB video (sparse on disk) goes out in chunks: the server's memory stays flat.
        QTemporaryDir folder;
        QFile video(folder.filePath(u"html5video.mp4"_s));
        QVERIFY(video.open(QIODevice::WriteOnly) && video.resize(qint64(1) << 30));
        video.close();
        PreviewServer server;
        const std::optional<QUrl> url = server.serve(folder.path());
        httplib::Client client("127.0.0.1", url->port());
        const qint64 before = residentKilobytes();
        qint64 received = 0;
        qint64 mostGrowth = 0;
        const httplib::Result got = client.Get(url->path().replace(u"html5Video.html"_s, u"html5video.mp4"_s).toStdString(),
                                               [&](const char *, size_t length) {
                                                   received += qint64(length);
                                                   if (received % (64 << 20) < qint64(length))
                                                       mostGrowth = std::max(mostGrowth, residentKilobytes() - before);
                                                   return true;
                                               });
        QVERIFY(got && got->status == 200 && received == qint64(1) << 30);
        QCOMPARE_LT(mostGrowth, 32 * 1024); // kB

        // Another folder is served beside the first, under a token of its own; the first keeps its
        // token, so a tab opened before keeps seeking; a stopped server answers no more.
        const std::optional<QUrl> next = server.serve(QDir::tempPath());
        QVERIFY(next && next->port() == url->port() && *next != *url);
        QCOMPARE(server.serve(folder.path()), url);
        const std::string firstVideo = url->path().replace(u"html5Video.html"_s, u"html5video.mp4"_s).toStdString();
        QCOMPARE(client.Get(firstVideo, {{"Range", "bytes=0-99"}})->status, 206);
        QCOMPARE(client.Get(next->path().replace(u"html5Video.html"_s, u"html5video.mp4"_s).toStdString())->status, 404);
        server.stop();
        server.stop();
        QVERIFY(!client.Get(next->path().toStdString()));
    }
};

QTEST_GUILESS_MAIN(TestServe)
#include "tst_serve.moc"
