#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMediaTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildTreeHasBothTools();
    void overrideAndMissingResources();
};

void TestMediaTools::buildTreeHasBothTools()
{
    const QString expected = QDir(QCoreApplication::applicationDirPath()).filePath(u"resources"_s);
    QCOMPARE(MediaTools::resourceDirectory(), expected);
    for (QStringView name : {MediaTools::proberName, MediaTools::encoderName})
        QCOMPARE(MediaTools::resourcePath(name), QDir(expected).filePath(name.toString()));
    QCOMPARE(QFileInfo(*MediaTools::resourcePath(MediaTools::proberName)).canonicalFilePath(),
             QFileInfo(u"/usr/bin/ffprobe"_s).canonicalFilePath());
}

void TestMediaTools::overrideAndMissingResources()
{
    QTemporaryDir fake;
    for (const auto &[name, permissions] : {std::pair(u"sniffer"_s, QFile::ReadOwner | QFile::ExeOwner),
                                            std::pair(u"creator"_s, QFile::ReadOwner | QFile::WriteOwner)}) {
        QFile file(fake.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.setPermissions(permissions));
    }
    QVERIFY(QDir(fake.path()).mkdir(u"folder"_s));
    qputenv(MediaTools::resourcesVariable, QFile::encodeName(fake.path()));
    QCOMPARE(MediaTools::resourceDirectory(), fake.path());
    QCOMPARE(MediaTools::resourcePath(MediaTools::proberName), fake.filePath(u"sniffer"_s));
    // Not executable, a folder, absent, or not a plain name: no resource.
    for (QStringView name : std::initializer_list<QStringView>{MediaTools::encoderName, u"folder", u"missing", u"", u"../resources/sniffer"})
        QCOMPARE(MediaTools::resourcePath(name), std::nullopt);
    qunsetenv(MediaTools::resourcesVariable);
}

QTEST_GUILESS_MAIN(TestMediaTools)
#include "tst_mediatools.moc"
