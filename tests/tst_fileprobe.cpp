#include "probe/fileprobe.h"
#include "probetesting.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString mediaPath(const QString &name)
{
    return QDir(qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA")).filePath(name);
}

QStringList trackTypes(const FileProbe &probe)
{
    QStringList types;
    for (const QVariantMap &track : probe.tracksInfo)
        types << track.value(u"trackType"_s).toString();
    return types;
}

} // namespace

class TestFileProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void media_data();
    void media();
    void firstTrackRecords();
    void languagesChaptersAndMetadata();
    void filesThatAreNotVideos();
    void pathsThatNeedCare();
};

void TestFileProbe::initTestCase()
{
    QVERIFY2(QFileInfo(mediaPath(u"h264-aac.mp4"_s)).size() > 0, "test media are missing");
}

void TestFileProbe::media_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<qint64>("subtitles");
    QTest::addColumn<QString>("videoExtraInfo"); // of the first video track

    QTest::newRow("H.264 and AAC") << u"h264-aac.mp4"_s << QStringList{u"Video"_s, u"Audio"_s}
                                   << qint64(0) << u"Wide: 320x240 (LD)"_s;
    QTest::newRow("video only") << u"video-only.mp4"_s << QStringList{u"Video"_s} << qint64(0)
                                << u"Wide: 640x360 (LD)"_s;
    QTest::newRow("audio only") << u"audio-only.m4a"_s << QStringList{u"Audio"_s} << qint64(0)
                                << QString();
    QTest::newRow("rotated by a display matrix")
        << u"rotated.mp4"_s << QStringList{u"Video"_s} << qint64(0) << u"Tall: 360x640 (LD)"_s;
    QTest::newRow("anamorphic") << u"anamorphic.mp4"_s << QStringList{u"Video"_s} << qint64(0)
                                << u"Wide: 1024x576 (SD)"_s;
    QTest::newRow("Motion-JPEG video") << u"mjpeg.mkv"_s << QStringList{u"Video"_s} << qint64(0)
                                       << u"Wide: 320x240 (LD)"_s;
    QTest::newRow("cover picture")
        << u"with-cover.mp4"_s << QStringList{u"Video"_s, u"Audio"_s, u"Poster"_s} << qint64(0)
        << u"Wide: 320x240 (LD)"_s;
    QTest::newRow("subtitles and two audio tracks")
        << u"subtitles.mkv"_s << QStringList{u"Video"_s, u"Audio"_s, u"Audio"_s, u"Subtitle"_s}
        << qint64(1) << u"Wide: 320x240 (LD)"_s;
    QTest::newRow("chapters") << u"chapters.mp4"_s
                              << QStringList{u"Video"_s, u"Audio"_s, u"Chapter"_s} << qint64(0)
                              << u"Wide: 320x240 (LD)"_s;
}

void TestFileProbe::media()
{
    QFETCH(QString, file);
    QFETCH(QStringList, types);
    QFETCH(qint64, subtitles);
    QFETCH(QString, videoExtraInfo);

    const FileProbe probe(mediaPath(file));
    QVERIFY(!probe.hasErrors);
    QVERIFY(probe.isValidMediaFile);
    QVERIFY(!probe.isEncrypted);
    QVERIFY(probe.json.has_value());
    QCOMPARE(probe.fileName, file);
    QCOMPARE(probe.fileSize, quint64(QFileInfo(mediaPath(file)).size()));
    QCOMPARE(probe.numberOfTracks, types.size());
    QCOMPARE(trackTypes(probe), types);
    QCOMPARE(probe.numberOfVideoTracks, types.count(u"Video"_s));
    QCOMPARE(probe.numberOfAudioTracks, types.count(u"Audio"_s));
    QCOMPARE(probe.numberOfSubtitleTracks, subtitles);
    QVERIFY(probe.duration > 0.9 && probe.duration < 2.2);
    QVERIFY(probe.bitrate > 0);
    QVERIFY(probe.bitrateHuman->endsWith(u"kbps"));

    for (qsizetype i = 0; i < probe.tracksInfo.size(); ++i) {
        const QVariantMap &track = probe.tracksInfo.at(i);
        QCOMPARE(track.size(), 8);
        QCOMPARE(track.value(u"trackNumber"_s), QVariant(qint64(i)));
        QVERIFY(!track.value(u"trackKeyValue"_s).toList().isEmpty());
    }
    const qsizetype video = types.indexOf(u"Video"_s);
    if (video >= 0)
        QCOMPARE(probe.tracksInfo.at(video).value(u"trackExtraInfo"_s).toString(), videoExtraInfo);
    else
        QCOMPARE(probe.firstVideoTrackInfo->type(), JSON::Type::unknown);
}

void TestFileProbe::firstTrackRecords()
{
    const FileProbe probe(mediaPath(u"h264-aac.mp4"_s));
    const JSON video = probe.firstVideoTrackInfo.value();
    QCOMPARE(video[u"index"].type(), JSON::Type::string);
    QCOMPARE(video[u"index"].stringValue(), u"0"_s);
    QCOMPARE(video[u"codec"].stringValue(), u"h264"_s);
    QCOMPARE(video[u"width"].numberValue().toInt64(), 320);
    QCOMPARE(video[u"height"].numberValue().toInt64(), 240);
    QCOMPARE(video[u"ratio"].numberValue().toDouble(), 320.0 / 240.0);
    QCOMPARE(video[u"dimension"].stringValue(), u"320x240"_s);
    QCOMPARE(video[u"aspectRatio"].stringValue(), u"Wide"_s);
    QCOMPARE(video[u"resolution"].stringValue(), u"LD"_s);
    QCOMPARE(video[u"fps"].stringValue(), u"25"_s);
    QCOMPARE(video[u"durationHuman"].stringValue(), u"00:00:02.000"_s);
    QVERIFY(video[u"profilewithlevel"].stringValue().contains(u'@'));
    QCOMPARE(video.count(), 14);

    const JSON audio = probe.firstAudioTrackInfo.value();
    QCOMPARE(audio[u"index"].stringValue(), u"1"_s);
    QCOMPARE(audio[u"codec"].stringValue(), u"aac"_s);
    QCOMPARE(audio[u"channel"].stringValue(), u"mono"_s);
    QCOMPARE(audio.count(), 7);
    QCOMPARE(probe.tracksInfo.at(1).value(u"trackExtraInfo"_s).toString(), u"mono"_s);

    // The stream details repeat the answer, sorted, with the rate made readable.
    const KeyValueList details = detailsOf(probe.tracksInfo.at(0));
    QCOMPARE(detail(details, u"frames_per_second"_s), u"25"_s);
    QCOMPARE(detail(details, u"r_frame_rate"_s), u"<none>"_s);
    QCOMPARE(detail(details, u"avg_frame_rate"_s), u"25/1"_s);
    QCOMPARE(detail(details, u"default.disposition"_s), u"1"_s);
    QCOMPARE(detail(details, u"handler_name.tags"_s), u"VideoHandler"_s);
    QCOMPARE(detail(details, u"codec_name"_s), u"h264"_s);
}

void TestFileProbe::languagesChaptersAndMetadata()
{
    const FileProbe mkv(mediaPath(u"subtitles.mkv"_s));
    QStringList languages;
    for (const QVariantMap &track : mkv.tracksInfo)
        languages << track.value(u"trackLanguage"_s).toString();
    QCOMPARE(languages, (QStringList{QString(), u"English"_s, u"German"_s, u"French"_s}));
    QCOMPARE(mkv.tracksInfo.at(3).value(u"trackExtraInfo"_s).toString(),
             u"SubRip subtitle - Text-Based"_s);
    QCOMPARE(mkv.firstAudioTrackInfo.value()[u"index"].stringValue(), u"1"_s);

    const FileProbe mp4(mediaPath(u"chapters.mp4"_s));
    QCOMPARE(mp4.tracksInfo.at(2).value(u"trackExtraInfo"_s).toString(), u"Number of Chapters: 2"_s);
    const KeyValueList chapters = mp4.chapterKeyValues();
    QCOMPARE(chapters.size(), 2);
    QCOMPARE(chapters.at(0), keyValueEntry(u"Opening"_s, u"00:00:00.000 - 00:00:01.000"_s));
    QCOMPARE(chapters.at(1), keyValueEntry(u"Ending"_s, u"00:00:01.000 - 00:00:02.000"_s));
    // The chapter stream's details begin with the chapters.
    QCOMPARE(detailsOf(mp4.tracksInfo.at(2)).mid(0, 2), chapters);

    QCOMPARE(detail(mp4.metadata, u"title.tags"_s), u"Chapter test"_s);
    QCOMPARE(detail(mp4.metadata, u"nb_streams"_s), u"3"_s);
    QCOMPARE(detail(mp4.metadata, u"format_name"_s), u"mov,mp4,m4a,3gp,3g2,mj2"_s);
    QCOMPARE(detail(mp4.metadata, u"tags"_s), u"<none>"_s);
}

void TestFileProbe::filesThatAreNotVideos()
{
    {
        const DiagnosticLines diagnostics;
        const FileProbe missing(mediaPath(u"no such file.mp4"_s));
        QVERIFY(missing.hasErrors);
        QCOMPARE(missing.fileSize, quint64(0));
        QCOMPARE(missing.fileSizeHuman, u"Unknown File Size"_s);
        QCOMPARE(missing.fileName, u"no such file.mp4"_s);
        const QString line = u"Failed to get file attributes for local path: "_s
            + mediaPath(u"no such file.mp4"_s) + u" with error: No such file or directory"_s;
        QCOMPARE(diagnostics.lines, (QStringList{line, line}));
        QVERIFY(!missing.json && !missing.durationHuman && missing.tracksInfo.isEmpty());
    }

    const FileProbe empty(mediaPath(u"empty.mp4"_s));
    QVERIFY(empty.hasErrors);
    QVERIFY(!empty.isValidMediaFile);
    QCOMPARE(empty.fileSize, quint64(0));
    QVERIFY(empty.fileSizeHuman.has_value() && *empty.fileSizeHuman != u"Unknown File Size");
    QVERIFY(!empty.json);

    const FileProbe text(mediaPath(u"notes.txt"_s));
    QVERIFY(text.hasErrors && !text.isValidMediaFile); // the prober reports invalid data
    QCOMPARE(text.numberOfTracks, 0);

    // A folder has a size here; the prober refuses it with an error member.
    const FileProbe folder(qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA"));
    QVERIFY(folder.hasErrors);
    QVERIFY(!folder.isValidMediaFile && !folder.json);

    const FileProbe audio(mediaPath(u"audio-only.m4a"_s));
    QVERIFY(audio.isValidMediaFile);
    QCOMPARE(audio.numberOfVideoTracks, 0);
}

void TestFileProbe::pathsThatNeedCare()
{
    const QString quoted = u"it's a \"clip\" – été.mp4"_s;
    const FileProbe odd(mediaPath(quoted));
    QVERIFY(odd.isValidMediaFile);
    QCOMPARE(odd.fileName, quoted);
    QCOMPARE(odd.numberOfVideoTracks, 1);

    // A relative name starting with "-" is not taken for an option.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA"));
    const FileProbe dash(u"-leading-dash.mp4"_s);
    QDir::setCurrent(previous);
    QVERIFY(dash.isValidMediaFile);
    QCOMPARE(dash.numberOfVideoTracks, 1);

    // A link measures as the file it points to, so bit rates stay right.
    const FileProbe link(mediaPath(u"link.mp4"_s));
    QCOMPARE(link.fileSize, quint64(QFileInfo(mediaPath(u"h264-aac.mp4"_s)).size()));
    QVERIFY(link.isValidMediaFile);
}

QTEST_GUILESS_MAIN(TestFileProbe)
#include "tst_fileprobe.moc"
