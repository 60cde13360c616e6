#include "export/outputsettings.h"
#include "export/posterframe.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPosterSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameAndTargetSizes();
    void seekTexts();
    void posterFiles();
    void extraction();
};

void TestPosterSettings::frameAndTargetSizes()
{
    const QVariant hd = QVariantMap{{u"width"_s, 1920}, {u"height"_s, 1080}};
    // Each half is rounded; odd sizes grow to even ones.
    const std::tuple<QVariant, double, QString> sizes[] = {{hd, 100, u"1920 x 1080"_s}, {hd, 33, u"634 x 356"_s},
        {hd, 0, u"0 x 0"_s}, {QVariantMap{{u"width"_s, 1281}, {u"height"_s, 721}}, 100, u"1282 x 722"_s},
        {QVariant(), 100, u"0 x 0"_s}};
    for (const auto &[record, percent, text] : sizes) {
        const FrameSize size = outputFrameSize(JSON(record), percent);
        QCOMPARE(frameSizeText(size), text);
        QCOMPARE(parseFrameSizeText(text), size);
    }
    for (const QString &text : {u"960x540"_s, u" 960 x 540"_s, u"960 x 540 "_s, u"-2 x 4"_s, u"9.5 x 4"_s,
                                u"960 x"_s, QString(), u"９６０ x ５４０"_s, u"1234567890 x 2"_s}) {
        QVERIFY2(!parseFrameSizeText(text), qPrintable(text));
    }
    QCOMPARE(targetSizeBytes(50'000'000, 50), 25'000'000);
    QCOMPARE(targetSizeBytes(99, 50), 49); // truncated, not rounded
}

void TestPosterSettings::seekTexts()
{
    // Half the duration at the end; five seconds at the start or without a duration.
    const std::tuple<double, double, QString> seeks[] = {{120, 50, u"30.0"_s}, {120, 100, u"60.0"_s},
        {120, 0, u"5"_s}, {10, 33, u"1.65"_s}, {0, 50, u"5"_s}};
    for (const auto &[duration, percent, seek] : seeks)
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
}

void TestPosterSettings::extraction()
{
    const QString media = qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA");
    QTemporaryDir folder;
    const QImage frame = PosterFrame::extract(media + u"/h264-aac.mp4"_s, 1.0, folder.path());
    QCOMPARE(frame.size(), QSize(640, 480));
    QVERIFY(!QFile::exists(folder.filePath(u"PosterFrame.jpg"_s)));

    // The one-second clip has no frame five seconds in: its first frame stands in.
    QCOMPARE(PosterFrame::extract(media + u"/video-only.mp4"_s, 0.0, folder.path()).height(), 480);
    QVERIFY(PosterFrame::extract(media + u"/audio-only.m4a"_s, 0.5, folder.path()).isNull());
    QVERIFY(PosterFrame::extract(media + u"/missing.mp4"_s, 0.5, folder.path()).isNull());
}

QTEST_GUILESS_MAIN(TestPosterSettings)
#include "tst_postersettings.moc"
