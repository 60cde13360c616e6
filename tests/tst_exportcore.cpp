#include "export/encoderarguments.h"
#include "export/folderverdict.h"
#include "export/htmlpage.h"
#include "export/pagecontent.h"
#include "export/playability.h"
#include "export/progress.h"
#include "probe/fileprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

EncoderInputs proresInputs()
{
    EncoderInputs inputs;
    inputs.sourcePath = u"SOURCE"_s;
    inputs.folder = u"FOLDER"_s;
    inputs.duration = 60;
    inputs.fileSize = 50'000'000;
    inputs.numberOfAudioTracks = 1;
    inputs.firstAudioTrackNumber = 1;
    inputs.firstVideoTrackInfo = JSON(QVariant(QVariantMap{{u"codec"_s, u"prores"_s}, {u"index"_s, u"0"_s}}));
    inputs.firstVideoPixelFormat = u"yuv422p10le"_s;
    inputs.sizePercent = 100;
    inputs.frameSizeText = u"1920 x 1080"_s;
    return inputs;
}

QString media(const QString &name)
{
    return qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA") + u'/' + name;
}

} // namespace

class TestExportCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void argumentList();
    void argumentVariants();
    void rateSplits_data();
    void rateSplits();
    void inputsFromAProbe();
    void progressChunks_data();
    void progressChunks();
    void timestamps();
    void pages();
    void captionsAndLanguages();
    void pageValidates();
    void folderVerdicts_data();
    void folderVerdicts();
    void playability();
};

void TestExportCore::argumentList()
{
    const QStringList expected = u"-i SOURCE -sn -dn -map_chapters -1 -map_metadata -1 -avoid_negative_ts auto "
                                 "-pix_fmt yuv420p -b:v 6426.0k -b:a 128.0k -vf scale=1920:1080,setsar=1:1 "
                                 "-map 0:0 -c:v libx264 -ac 2 -map 0:1 -c:a aac -y FOLDER/html5video.mp4"_s.split(u' ');
    QCOMPARE(buildEncoderArguments(proresInputs()), expected);
}

void TestExportCore::argumentVariants()
{
    auto arguments = [](auto change) {
        EncoderInputs inputs = proresInputs();
        change(inputs);
        return buildEncoderArguments(inputs).join(u' ');
    };
    // An 8-bit 4:2:0 source keeps the list as it is; other formats become yuv420p.
    const QString plain = arguments([](EncoderInputs &in) {
        in.firstVideoTrackInfo = JSON(QVariant(QVariantMap{{u"codec"_s, u"prores_ks"_s}, {u"index"_s, u"0"_s}}));
        in.firstVideoPixelFormat = u"yuvj420p"_s;
    });
    QVERIFY(!plain.contains(u"-pix_fmt"));
    QVERIFY(arguments([](EncoderInputs &in) {
                in.firstVideoTrackInfo = JSON(QVariant(QVariantMap{{u"codec"_s, u"h264"_s}, {u"index"_s, u"0"_s}}));
                in.firstVideoPixelFormat = u"yuv444p"_s;
            }).contains(u"auto -pix_fmt yuv420p -b:v"));

    // No audio: the whole rate is the video's, and no audio options.
    const QString silent = arguments([](EncoderInputs &in) {
        in.numberOfAudioTracks = 0;
        in.firstAudioTrackNumber.reset();
    });
    QVERIFY(silent.contains(u"-b:v 6554.0k -vf"));
    QVERIFY(!silent.contains(u"-b:a") && !silent.contains(u"-ac"));

    // Three audio tracks: only the first is mapped.
    const QString three = arguments([](EncoderInputs &in) {
        in.numberOfAudioTracks = 3;
        in.firstAudioTrackNumber = 2;
    });
    QCOMPARE(three.count(u"-map 0:"), 2);
    QVERIFY(three.contains(u"-ac 2 -map 0:2 -c:a aac"));

    // Fast start moves the index to the front, just before "-y".
    QVERIFY(arguments([](EncoderInputs &in) { in.fastStart = true; })
                .endsWith(u"-c:a aac -movflags +faststart -y FOLDER/html5video.mp4"));

    // A rate below 1 kb/s, which libx264 refuses, is raised to 1 kb/s; 0 stays.
    QVERIFY(arguments([](EncoderInputs &in) { in.fileSize = 1'000'000; in.sizePercent = 1; })
                .contains(u"-b:v 1.0k -b:a 0.31999999999999995k"));
    QVERIFY(arguments([](EncoderInputs &in) { in.fileSize = 100'000; in.sizePercent = 1; })
                .contains(u"-b:v 0.0k -b:a 0.0k"));

    // An unknown duration leaves the rates to the encoders, never "infk".
    const QString unknown = arguments([](EncoderInputs &in) { in.duration.reset(); });
    QVERIFY(!unknown.contains(u"-b:v") && !unknown.contains(u"-b:a") && !unknown.contains(u"inf"));
    QVERIFY(!bitRates(100, 1000, 0.0, 1) && !bitRates(100, 1000, std::nan(""), 1));
}

void TestExportCore::rateSplits_data()
{
    QTest::addColumn<double>("duration"); // for 100 % of 50 000 000 bytes
    QTest::addColumn<qint64>("audioTracks");
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("audio");

    const double bytesToTotal = 50'000'000.0 / 1'000'000 * 0.96 * 8192;
    QTest::newRow("393 with audio") << bytesToTotal / 393 << qint64(1) << u"265.0k"_s << u"128.0k"_s;
    QTest::newRow("369") << bytesToTotal / 369 << qint64(1) << u"241.0k"_s << u"128.0k"_s;
    QTest::newRow("368 is split in thirds") << bytesToTotal / 368 << qint64(1) << u"235.51999999999998k"_s << u"117.75999999999999k"_s;
    QTest::newRow("328") << bytesToTotal / 328 << qint64(1) << u"209.92k"_s << u"104.96k"_s;
    QTest::newRow("131") << bytesToTotal / 131 << qint64(1) << u"83.83999999999999k"_s << u"41.919999999999995k"_s;
    QTest::newRow("131 without audio") << bytesToTotal / 131 << qint64(0) << u"131.0k"_s << u"128.0k"_s;
}

void TestExportCore::rateSplits()
{
    QFETCH(double, duration);
    QFETCH(qint64, audioTracks);
    QFETCH(QString, video);
    QFETCH(QString, audio);
    const std::optional<BitRates> rates = bitRates(100, 50'000'000, duration, audioTracks);
    QVERIFY(rates);
    QCOMPARE(rateText(rates->video), video);
    QCOMPARE(rateText(rates->audio), audio);
}

void TestExportCore::inputsFromAProbe()
{
    // A raw stream has no container duration; the video stream's stands in.
    const QByteArray answer = R"({"streams": [
        {"codec_type": "audio", "codec_name": "aac"},
        {"codec_type": "video", "codec_name": "h264", "avg_frame_rate": "25/1", "width": 640, "height": 480,
         "duration": "4.000000", "pix_fmt": "yuv420p10le"}],
        "format": {"duration": "N/A"}})";
    const FileProbe probe(QCoreApplication::applicationFilePath(), answer);
    const EncoderInputs inputs = encoderInputs(probe, u"/in.h264"_s, u"/out"_s, 50, u"640 x 480"_s);
    QCOMPARE(inputs.duration, 4.0);
    QCOMPARE(inputs.firstAudioTrackNumber, 0);
    QCOMPARE(inputs.firstVideoPixelFormat, u"yuv420p10le"_s);
    const QString arguments = buildEncoderArguments(inputs).join(u' ');
    QVERIFY(arguments.contains(u"-map 0:1 -c:v libx264 -ac 2 -map 0:0 -c:a aac -y /out/html5video.mp4"));
    QVERIFY(arguments.contains(u"-pix_fmt yuv420p"));

    const FileProbe still(QCoreApplication::applicationFilePath(),
                          R"({"streams": [{"codec_type": "video", "codec_name": "h264", "avg_frame_rate": "1/1"}]})");
    QVERIFY(!encoderInputs(still, u"/in"_s, u"/out"_s, 100, u"2 x 2"_s).duration);
}

void TestExportCore::progressChunks_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<double>("duration");
    QTest::addColumn<double>("percent"); // negative: no reading

    QFile capture(QStringLiteral(VIDEOFOLD_TEST_DATA "/encoder-stderr.txt"));
    QVERIFY(capture.open(QIODevice::ReadOnly));
    // A real first chunk: header with a creation time and a duration, then progress.
    QTest::newRow("real run, header included") << capture.readAll() << 3.0 << 2.96 / 3 * 100;
    QTest::newRow("half way") << QByteArray("frame=  100 fps=25 q=28.0 size=256kB time=00:00:04.00 bitrate=524.3kbits/s")
                              << 8.0 << 50.0;
    QTest::newRow("earlier stamp ignored")
        << QByteArray("start 00:00:08.00 frame=1 time=00:00:02.00 bitrate=1") << 8.0 << 25.0;
    QTest::newRow("last position wins") << QByteArray("time=00:00:01.00 x\rtime=00:00:03.00 y") << 4.0 << 75.0;
    QTest::newRow("past the end") << QByteArray("time=00:00:09.50") << 8.0 << 100.0;
    QTest::newRow("N/A") << QByteArray("frame=0 time=N/A bitrate=N/A") << 8.0 << -1.0;
    QTest::newRow("N/A after a position") << QByteArray("time=00:00:02.00 time=N/A") << 8.0 << 25.0;
    QTest::newRow("no time") << QByteArray("Duration: 00:00:08.00, start: 0.000000") << 8.0 << -1.0;
    QTest::newRow("comma") << QByteArray("time=00:00:04,00") << 8.0 << -1.0;
    QTest::newRow("not UTF-8") << QByteArray("time=00:00:04.00 \xff\xfe") << 8.0 << -1.0;
    QTest::newRow("unknown duration") << QByteArray("time=00:00:04.00") << 0.0 << -1.0;
}

void TestExportCore::progressChunks()
{
    QFETCH(QByteArray, chunk);
    QFETCH(double, duration);
    QFETCH(double, percent);
    const std::optional<double> reading = progressPercent(chunk, duration);
    QCOMPARE(reading.has_value(), percent >= 0);
    if (reading)
        QCOMPARE(*reading, percent);
}

void TestExportCore::timestamps()
{
    QCOMPARE(Utils::secondsFromTimestamp(u"00:01:02.50"_s), 62.5);
    QCOMPARE(Utils::secondsFromTimestamp(u"01:00:00.01"_s), 3600.01);
    QCOMPARE(Utils::secondsFromTimestamp(u"00:00:04,00"_s), std::nullopt);
    QCOMPARE(Utils::secondsFromTimestamp(u"00:00: 4.00"_s), std::nullopt);
    QCOMPARE(Utils::matches(Utils::timestampPattern, u"a 00:00:01.00 b 10:20:30x99"_s),
             (QStringList{u"00:00:01.00"_s, u"10:20:30x99"_s}));
    QVERIFY(Utils::matches(u"([0-9"_s, u"00"_s).isEmpty());
}

void TestExportCore::pages()
{
    const QByteArray all = html5PageBytes(1920, 1080, {true, true, true, true});
    QCOMPARE(all.size(), 236);
    QCOMPARE(all,
             QByteArray("<!DOCTYPE html>\n<html>\n\t<head>\n\t\t<meta charset=\"UTF-8\">\n\t</head>\n\t<body>\n"
                        "\t\t<video width=\"1920\" height=\"1080\" poster=\"poster.jpg\" controls autoplay loop muted>\n"
                        "\t\t\t<source src=\"html5video.mp4\" type=\"video/mp4\">\n\t\t</video>\n\t</body>\n</html>"));
    const QByteArray controls = html5PageBytes(960, 540, {true, false, false, false});
    QCOMPARE(controls.size(), 217);
    QVERIFY(controls.contains("poster=\"poster.jpg\" controls   >"));
    const QByteArray none = html5PageBytes(960, 540, {});
    QCOMPARE(none.size(), 209);
    QVERIFY(none.contains("poster=\"poster.jpg\"    >"));

    // The page for visitors: language, an escaped title, a viewport, a shrinking
    // video that plays inline when it starts by itself, and its caption tracks.
    PageContent content{u"Tom & \"Jerry\" <3"_s, u"pt-BR"_s, {}};
    QCOMPARE(visitorPageBytes(640, 360, {true, true, false, true}, content),
             QByteArray("<!DOCTYPE html>\n<html lang=\"pt-BR\">\n\t<head>\n\t\t<meta charset=\"UTF-8\">\n"
                        "\t\t<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                        "\t\t<title>Tom &amp; &quot;Jerry&quot; &lt;3</title>\n\t</head>\n\t<body>\n"
                        "\t\t<video width=\"640\" height=\"360\" poster=\"poster.jpg\" "
                        "style=\"max-width: 100%; height: auto;\" controls autoplay playsinline muted>\n"
                        "\t\t\t<source src=\"html5video.mp4\" type=\"video/mp4\">\n"
                        "\t\t</video>\n\t</body>\n</html>\n"));
    content = {u"clip"_s, QString(),
               {{2, u"captions.en.vtt"_s, u"en"_s, u"English"_s, true},
                {3, u"captions.de.vtt"_s, u"de"_s, u"German"_s, false}}};
    const QByteArray captioned = visitorPageBytes(640, 360, {}, content);
    QVERIFY(captioned.startsWith("<!DOCTYPE html>\n<html>\n"));
    QVERIFY(captioned.contains("poster=\"poster.jpg\" style=\"max-width: 100%; height: auto;\">\n"));
    QVERIFY(captioned.contains(
        "\t\t\t<source src=\"html5video.mp4\" type=\"video/mp4\">\n"
        "\t\t\t<track kind=\"captions\" src=\"captions.en.vtt\" srclang=\"en\" label=\"English\" default>\n"
        "\t\t\t<track kind=\"captions\" src=\"captions.de.vtt\" srclang=\"de\" label=\"German\">\n"
        "\t\t</video>\n"));
    content.captions.removeLast();
    QCOMPARE(visitorPageBytes(640, 360, {}, content).count("<track "), 1);

    QTemporaryDir folder;
    QVERIFY(writeFileAtomically(folder.filePath(u"page.html"_s), none));
    QFile written(folder.filePath(u"page.html"_s));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), none);
    QVERIFY(!writeFileAtomically(folder.filePath(u"missing/page.html"_s), none));
}

void TestExportCore::captionsAndLanguages()
{
    QCOMPARE(languageTag(u"eng"), std::optional(u"en"_s));
    QCOMPARE(languageTag(u"ger"), std::optional(u"de"_s));
    QCOMPARE(languageTag(u"pt-BR"), std::optional(u"pt-BR"_s));
    QCOMPARE(languageTag(u"por_br"), std::optional(u"pt-BR"_s));
    QCOMPARE(languageTag(u"spa-419"), std::optional(u"es-419"_s));
    QCOMPARE(languageTag(u"und"), std::nullopt);
    QCOMPARE(languageTag(u""), std::nullopt);

    // Text subtitles become captions, pictures do not; a second language twin is numbered.
    QFile file(QStringLiteral(VIDEOFOLD_TEST_DATA) + u"/answers/subtitle-kinds.json"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<CaptionTrack> tracks = captionTracks(JSON::fromBytes(file.readAll()).value_or(JSON()));
    const QList<CaptionTrack> expected = {
        {2, u"captions.en.vtt"_s, u"en"_s, u"English"_s, false},
        {4, u"captions.und.vtt"_s, u"und"_s, u"Captions"_s, false},
        {5, u"captions.en.2.vtt"_s, u"en"_s, u"English 2"_s, false},
        {6, u"captions.fr.vtt"_s, u"fr"_s, u"French"_s, false},
    };
    QCOMPARE(tracks, expected); // stream 6 is marked default, but only the first may be
}

// The W3C's checker as scripts/install-deps puts it in the cache; empty when missing.
QString htmlChecker()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/videofold"_s;
    const QStringList versions = QDir(cache).entryList({u"vnu-jar-*"_s}, QDir::Dirs, QDir::Name);
    if (versions.isEmpty())
        return {};
    const QString jar = cache + u'/' + versions.last() + u"/node_modules/vnu-jar/build/dist/vnu.jar"_s;
    return QFileInfo::exists(jar) ? jar : QString();
}

void TestExportCore::pageValidates()
{
    const QString checker = htmlChecker();
    const QString java = QStandardPaths::findExecutable(u"java"_s);
    if (checker.isEmpty() || java.isEmpty())
        QSKIP("Java or the Nu HTML Checker is missing");
    const PageContent content{u"Tom & \"Jerry\" <3"_s, u"en"_s,
                              {{2, u"captions.en.vtt"_s, u"en"_s, u"English"_s, true},
                               {3, u"captions.de.vtt"_s, u"de"_s, u"German"_s, false}}};
    QTemporaryDir folder;
    const QString page = folder.filePath(u"html5Video.html"_s);
    QVERIFY(writeFileAtomically(page, visitorPageBytes(1280, 720, {true, true, true, true}, content)));
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(java, {u"-jar"_s, checker, u"--also-check-css"_s, page});
    QVERIFY(check.waitForFinished(120'000));
    const QByteArray report = check.readAll();
    QVERIFY2(check.exitCode() == 0 && report.trimmed().isEmpty(), report.constData()); // no error, no warning

    // The negative control: the minimal page lacks the title the checker requires.
    QVERIFY(writeFileAtomically(page, html5PageBytes(1280, 720, {true, false, false, false})));
    check.start(java, {u"-jar"_s, checker, u"--errors-only"_s, page});
    QVERIFY(check.waitForFinished(120'000));
    QVERIFY(check.readAll().contains("title"));
}

void TestExportCore::folderVerdicts_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("encoderEndedNormally");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QStringList>("captions"); // the caption files the export wrote

    const QStringList complete = {u"poster.jpg"_s, u"html5video.mp4"_s, u"html5Video.html"_s};
    QTest::newRow("complete") << complete << true << true << QStringList();
    QTest::newRow("encoder failed") << complete << false << false << QStringList();
    QTest::newRow("no video") << QStringList{u"html5Video.html"_s, u"poster.jpg"_s} << true << false << QStringList();
    QTest::newRow("no poster") << QStringList{u"html5Video.html"_s, u"html5video.mp4"_s} << true << false << QStringList();
    QTest::newRow("unplayable video") << QStringList{u"html5Video.html"_s, u"bad.mp4"_s, u"poster.jpg"_s} << true
                                      << false << QStringList();
    QTest::newRow("hidden extra entry") << complete + QStringList{u".DS_Store"_s} << true << false << QStringList();
    QTest::newRow("no mp4") << QStringList{u"html5Video.html"_s, u"poster.jpg"_s, u"video.MP4"_s} << true << false << QStringList();
    QTest::newRow("two videos, one bad") << QStringList{u"bad.mp4"_s, u"html5video.mp4"_s, u"poster.jpg"_s} << true
                                         << false << QStringList();
    QTest::newRow("empty folder") << QStringList{} << true << false << QStringList();
    const QStringList captions = {u"captions.en.vtt"_s, u"captions.de.vtt"_s};
    QTest::newRow("with its captions") << complete + captions << true << true << captions;
    QTest::newRow("a caption missing") << complete + captions.first(1) << true << false << captions;
    QTest::newRow("captions not written here") << complete + captions << true << false << QStringList();
    QTest::newRow("another in a caption's place")
        << complete + QStringList{u"captions.en.vtt"_s, u"notes.vtt"_s} << true << false << captions;
}

void TestExportCore::folderVerdicts()
{
    QFETCH(QStringList, names);
    QFETCH(bool, encoderEndedNormally);
    QFETCH(bool, success);
    QFETCH(QStringList, captions);
    const FolderVerdict verdict = judgeFolder(u"/out"_s, names, encoderEndedNormally,
                                              [](const QString &path) { return !path.endsWith(u"bad.mp4"); }, captions);
    QCOMPARE(verdict.success, success);
    QCOMPARE(verdict.entries.size(), names.size());
    if (success)
        QVERIFY(verdict.entries.contains(u"/out/html5Video.html"_s));
}

void TestExportCore::playability()
{
    QTemporaryDir folder;
    QFile source(media(u"h264-aac.mp4"_s));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    auto write = [&](const QString &name, const QByteArray &contents) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(contents);
        return file.fileName();
    };
    QVERIFY(isPlayableVideo(media(u"h264-aac.mp4"_s)));
    QVERIFY(!isPlayableVideo(write(u"truncated.mp4"_s, bytes.first(bytes.size() / 3))));
    QVERIFY(!isPlayableVideo(write(u"empty.mp4"_s, {})));
    QVERIFY(!isPlayableVideo(write(u"noise.mp4"_s, QByteArray(50'000, 'x'))));
    QVERIFY(!isPlayableVideo(media(u"audio-only.m4a"_s)));
    QVERIFY(!isPlayableVideo(media(u"mjpeg.mkv"_s)));
    QVERIFY(!isPlayableVideo(folder.filePath(u"missing.mp4"_s)));
    QCOMPARE(folderEntryNames(folder.path()).size(), 3);
}

QTEST_GUILESS_MAIN(TestExportCore)
#include "tst_exportcore.moc"
