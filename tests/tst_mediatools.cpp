#include "json/json.h"
#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &contents, QFile::Permissions permissions)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(120'000))
        process.kill();
    return process.readAllStandardOutput();
}

} // namespace

class TestMediaTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { qunsetenv(MediaTools::resourcesVariable); }
    void buildTreeHasBothTools();
    void overrideAndMissingResources();
    void encoderWritesH264AndAac();
};

void TestMediaTools::buildTreeHasBothTools()
{
    const QString expected = QDir(QCoreApplication::applicationDirPath()).filePath(u"resources"_s);
    QCOMPARE(MediaTools::resourceDirectory(), expected);

    for (QStringView name : {MediaTools::proberName, MediaTools::encoderName}) {
        const std::optional<QString> path = MediaTools::resourcePath(name);
        QVERIFY2(path.has_value(), qPrintable(name.toString()));
        QCOMPARE(*path, QDir(expected).filePath(name.toString()));
        QVERIFY(QFileInfo(*path).isSymLink());
    }
    QCOMPARE(QFileInfo(*MediaTools::resourcePath(MediaTools::proberName)).canonicalFilePath(),
             QFileInfo(u"/usr/bin/ffprobe"_s).canonicalFilePath());
}

void TestMediaTools::overrideAndMissingResources()
{
    QTemporaryDir fakeResources;
    QVERIFY(fakeResources.isValid());
    const QString prober = fakeResources.filePath(u"sniffer"_s);
    writeFile(prober, "#!/bin/sh\necho '{}'\n", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(fakeResources.filePath(u"creator"_s), "not a program",
              QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QDir(fakeResources.path()).mkdir(u"folder"_s));

    qputenv(MediaTools::resourcesVariable, fakeResources.path().toUtf8()); // init() unsets it
    QCOMPARE(MediaTools::resourceDirectory(), fakeResources.path());
    QCOMPARE(MediaTools::resourcePath(MediaTools::proberName), prober);
    QCOMPARE(run(prober, {}).trimmed(), QByteArray("{}"));

    // Not executable, a folder, absent, or not a plain name: no resource.
    QCOMPARE(MediaTools::resourcePath(MediaTools::encoderName), std::nullopt);
    QCOMPARE(MediaTools::resourcePath(u"folder"), std::nullopt);
    QCOMPARE(MediaTools::resourcePath(u"missing"), std::nullopt);
    QCOMPARE(MediaTools::resourcePath(u""), std::nullopt);
    QCOMPARE(MediaTools::resourcePath(u"../resources/sniffer"), std::nullopt);
}

void TestMediaTools::encoderWritesH264AndAac()
{
    const std::optional<QString> encoder = MediaTools::resourcePath(MediaTools::encoderName);
    const std::optional<QString> prober = MediaTools::resourcePath(MediaTools::proberName);
    QVERIFY(encoder && prober);

    QTemporaryDir folder;
    const QString output = folder.filePath(u"frame.mp4"_s);
    run(*encoder, {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=size=64x64:rate=25"_s,
                   u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=frequency=440"_s, u"-t"_s, u"0.04"_s, u"-c:v"_s, u"libx264"_s, u"-c:a"_s, u"aac"_s, output});
    QVERIFY(QFileInfo(output).size() > 0);

    const QByteArray answer = run(*prober, {u"-v"_s, u"quiet"_s, u"-print_format"_s, u"json"_s,
                                            u"-show_streams"_s, output});
    const std::optional<JSON> streams = JSON::fromBytes(answer);
    QVERIFY(streams.has_value());
    QCOMPARE((*streams)[u"streams"].count(), 2);
    QCOMPARE((*streams)[u"streams"][0][u"codec_name"].stringValue(), u"h264"_s);
    QCOMPARE((*streams)[u"streams"][1][u"codec_name"].stringValue(), u"aac"_s);
}

QTEST_GUILESS_MAIN(TestMediaTools)
#include "tst_mediatools.moc"
