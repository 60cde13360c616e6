#include "export/outputsettings.h"
#include "export/posterframe.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FrameSize)

class TestPosterSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameSizes_data();
    void frameSizes();
    void targetSizes();
    void frameSizeTextIsReadBackStrictly();
    void seekTexts_data();
    void seekTexts();
    void posterFiles();
    void extraction();
};

void TestPosterSettings::frameSizes_data()
{
    QTest::addColumn<QVariant>("record");
    QTest::addColumn<double>("percent");
    QTest::addColumn<QString>("text");

    const QVariant hd = QVariantMap{{u"width"_s, 1920}, {u"height"_s, 1080}};
    QTest::newRow("100") << hd << 100.0 << u"1920 x 1080"_s;
    QTest::newRow("50") << hd << 50.0 << u"960 x 540"_s;
    QTest::newRow("33 rounds each half") << hd << 33.0 << u"634 x 356"_s;
    QTest::newRow("0") << hd << 0.0 << u"0 x 0"_s;
    QTest::newRow("odd sizes grow") << QVariant(QVariantMap{{u"width"_s, 1281}, {u"height"_s, 721}}) << 100.0
                                    << u"1282 x 722"_s;
    QTest::newRow("no video record") << QVariant() << 100.0 << u"0 x 0"_s;
}

void TestPosterSettings::frameSizes()
{
    QFETCH(QVariant, record);
    QFETCH(double, percent);
    QFETCH(QString, text);
    const FrameSize size = outputFrameSize(JSON(record), percent);
    QCOMPARE(frameSizeText(size), text);
    QCOMPARE(parseFrameSizeText(text), size);
}

void TestPosterSettings::targetSizes()
{
    QCOMPARE(targetSizeBytes(50'000'000, 50), 25'000'000);
    QCOMPARE(targetSizeBytes(99, 50), 49); // truncated, not rounded
    QCOMPARE(targetSizeBytes(0, 100), 0);
}

void TestPosterSettings::frameSizeTextIsReadBackStrictly()
{
    for (const QString &text : {u"960x540"_s, u" 960 x 540"_s, u"960 x 540 "_s, u"-2 x 4"_s, u"9.5 x 4"_s,
                                u"960 x"_s, QString(), u"９６０ x ５４０"_s, u"1234567890 x 2"_s}) {
        QVERIFY2(!parseFrameSizeText(text), qPrintable(text));
    }
    QVERIFY(parseFrameSizeText(u"0 x 540"_s)->isEmpty());
}

void TestPosterSettings::seekTexts_data()
{
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("percent");
    QTest::addColumn<QString>("seek");

    QTest::newRow("middle of two minutes") << 120.0 << 50.0 << u"30.0"_s;
    QTest::newRow("end gives half the duration") << 120.0 << 100.0 << u"60.0"_s;
    QTest::newRow("start seeks five seconds") << 120.0 << 0.0 << u"5"_s;
    QTest::newRow("33 of ten seconds") << 10.0 << 33.0 << u"1.65"_s;
    QTest::newRow("no duration") << 0.0 << 50.0 << u"5"_s;
}

void TestPosterSettings::seekTexts()
{
    QFETCH(double, duration);
    QFETCH(double, percent);
    QFETCH(QString, seek);
    QCOMPARE(PosterFrame::seekText(PosterFrame::positionSeconds(duration, percent)), seek);
}

void TestPosterSettings::posterFiles()
{
    QImage preview(854, 480, QImage::Format_RGB32);
    preview.fill(Qt::red);
    for (int x = 0; x < 427; ++x) {
        for (int y = 0; y < 480; ++y)
            preview.setPixel(x, y, qRgb(0, 0, 255));
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(u"poster.jpg"_s);

    // Stretched, not cropped: the left half stays blue at any size.
    PosterFrame::writePosterFile(preview, path, {200, 400});
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage poster = reader.read();
    QCOMPARE(poster.size(), QSize(200, 400));
    QVERIFY(qBlue(poster.pixel(50, 200)) > 200 && qRed(poster.pixel(150, 200)) > 200);

    QFile::remove(path);
    PosterFrame::writePosterFile(preview, path, {0, 0});
    PosterFrame::writePosterFile(preview, path, {640, 0});
    PosterFrame::writePosterFile(QImage(), path, {640, 360});
    QVERIFY(!QFile::exists(path));
    QVERIFY(PosterFrame::scaledImage(preview, 0, 10).isNull());
}

void TestPosterSettings::extraction()
{
    const QString media = qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA");
    QTemporaryDir folder;
    const QImage frame = PosterFrame::extract(media + u"/h264-aac.mp4"_s, 1.0, folder.path());
    QCOMPARE(frame.size(), QSize(640, 480));
    QVERIFY(!QFile::exists(folder.filePath(u"PosterFrame.jpg"_s)));

    // The one-second clip has no frame five seconds in: its first frame stands in.
    const QImage first = PosterFrame::extract(media + u"/video-only.mp4"_s, 0.0, folder.path());
    QCOMPARE(first.height(), 480);
    QVERIFY(PosterFrame::extract(media + u"/audio-only.m4a"_s, 0.5, folder.path()).isNull());
    QVERIFY(PosterFrame::extract(media + u"/missing.mp4"_s, 0.5, folder.path()).isNull());

    QCOMPARE(PosterFrame::encoderArguments(u"30.0"_s, u"/in.mp4"_s, u"/t/PosterFrame.jpg"_s),
             (QStringList{u"-v"_s, u"quiet"_s, u"-ss"_s, u"30.0"_s, u"-i"_s, u"/in.mp4"_s, u"-vf"_s,
                          u"scale=-1:480,setsar=1:1"_s, u"-frames:v"_s, u"1"_s, u"-y"_s,
                          u"/t/PosterFrame.jpg"_s}));
}

QTEST_GUILESS_MAIN(TestPosterSettings)
#include "tst_postersettings.moc"
