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

} // namespace

// The real prober on generated media.
class TestFileProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void media();
    void records();
    void filesThatAreNotVideos();
    void pathsThatNeedCare();
};

void TestFileProbe::media()
{
    // Each track's kind and what the window says of the first video track.
    const std::tuple<QString, QStringList, QString> files[] = {
        {u"h264-aac.mp4"_s, {u"Video"_s, u"Audio"_s}, u"Wide: 320x240 (LD)"_s},
        {u"audio-only.m4a"_s, {u"Audio"_s}, QString()},
        {u"rotated.mp4"_s, {u"Video"_s}, u"Tall: 360x640 (LD)"_s}, // by a display matrix
        {u"anamorphic.mp4"_s, {u"Video"_s}, u"Wide: 1024x576 (SD)"_s},
        {u"mjpeg.mkv"_s, {u"Video"_s}, u"Wide: 320x240 (LD)"_s},
        {u"with-cover.mp4"_s, {u"Video"_s, u"Audio"_s, u"Poster"_s}, u"Wide: 320x240 (LD)"_s},
        {u"subtitles.mkv"_s, {u"Video"_s, u"Audio"_s, u"Audio"_s, u"Subtitle"_s}, u"Wide: 320x240 (LD)"_s},
        {u"chapters.mp4"_s, {u"Video"_s, u"Audio"_s, u"Chapter"_s}, u"Wide: 320x240 (LD)"_s},
    };
    for (const auto &[file, types, videoExtraInfo] : files) {
        const FileProbe probe(mediaPath(file));
        QVERIFY(!probe.hasErrors && probe.isValidMediaFile && !probe.isEncrypted);
        QCOMPARE(probe.fileName, file);
        QCOMPARE(probe.fileSize, quint64(QFileInfo(mediaPath(file)).size()));
        QStringList found;
        for (const QVariantMap &track : probe.tracksInfo) {
            found << track.value(u"trackType"_s).toString();
            QCOMPARE(track.size(), 8);
            QVERIFY(!track.value(u"trackKeyValue"_s).toList().isEmpty());
        }
        QCOMPARE(found, types);
        QCOMPARE(probe.numberOfAudioTracks, types.count(u"Audio"_s));
        QVERIFY(probe.duration > 0.9 && probe.duration < 2.2 && probe.bitrate > 0);
        const qsizetype video = types.indexOf(u"Video"_s);
        QCOMPARE(video < 0 ? QString() : probe.tracksInfo.at(video).value(u"trackExtraInfo"_s).toString(),
                 videoExtraInfo);
    }
}

void TestFileProbe::records()
{
    const FileProbe probe(mediaPath(u"h264-aac.mp4"_s));
    const JSON video = probe.firstVideoTrackInfo.value();
    QCOMPARE(video[u"index"].stringValue(), u"0"_s);
    QCOMPARE(video[u"ratio"].numberValue().toDouble(), 320.0 / 240.0);
    QCOMPARE(video[u"fps"].stringValue(), u"25"_s);
    QCOMPARE(video[u"durationHuman"].stringValue(), u"00:00:02.000"_s);
    QVERIFY(video[u"profilewithlevel"].stringValue().contains(u'@'));
    QCOMPARE(video.count(), 14);
    QCOMPARE(probe.firstAudioTrackInfo.value()[u"channel"].stringValue(), u"mono"_s);
    QCOMPARE(probe.firstAudioTrackInfo->count(), 7);
    // The stream details repeat the answer, sorted, with the rate made readable.
    const KeyValueList details = detailsOf(probe.tracksInfo.at(0));
    QCOMPARE(detail(details, u"frames_per_second"_s), u"25"_s);
    QCOMPARE(detail(details, u"r_frame_rate"_s), u"<none>"_s);
    QCOMPARE(detail(details, u"default.disposition"_s), u"1"_s);
    QCOMPARE(detail(details, u"handler_name.tags"_s), u"VideoHandler"_s);

    const FileProbe mkv(mediaPath(u"subtitles.mkv"_s));
    QStringList languages;
    for (const QVariantMap &track : mkv.tracksInfo)
        languages << track.value(u"trackLanguage"_s).toString();
    QCOMPARE(languages, (QStringList{QString(), u"English"_s, u"German"_s, u"French"_s}));
    QCOMPARE(mkv.numberOfSubtitleTracks, 1);

    const FileProbe mp4(mediaPath(u"chapters.mp4"_s));
    const KeyValueList chapters = mp4.chapterKeyValues();
    QCOMPARE(chapters, (KeyValueList{keyValueEntry(u"Opening"_s, u"00:00:00.000 - 00:00:01.000"_s),
                                     keyValueEntry(u"Ending"_s, u"00:00:01.000 - 00:00:02.000"_s)}));
    QCOMPARE(detailsOf(mp4.tracksInfo.at(2)).mid(0, 2), chapters); // the chapter stream begins with them
    QCOMPARE(detail(mp4.metadata, u"title.tags"_s), u"Chapter test"_s);
    QCOMPARE(detail(mp4.metadata, u"format_name"_s), u"mov,mp4,m4a,3gp,3g2,mj2"_s);
    QCOMPARE(detail(mp4.metadata, u"tags"_s), u"<none>"_s);
}

void TestFileProbe::filesThatAreNotVideos()
{
    {
        const DiagnosticLines diagnostics;
        const FileProbe missing(mediaPath(u"no such file.mp4"_s));
        QVERIFY(missing.hasErrors && !missing.json && missing.tracksInfo.isEmpty());
        QCOMPARE(missing.fileSizeHuman, u"Unknown File Size"_s);
        QCOMPARE(missing.fileName, u"no such file.mp4"_s);
        const QString line = u"Failed to get file attributes for local path: "_s + mediaPath(u"no such file.mp4"_s)
                             + u" with error: No such file or directory"_s;
        QCOMPARE(diagnostics.lines, (QStringList{line, line}));
    }
    // Empty, text, and a folder (which has a size here, and an error member from the prober).
    for (const QString &path : {mediaPath(u"empty.mp4"_s), mediaPath(u"notes.txt"_s), mediaPath(QString())}) {
        const FileProbe probe(path);
        QVERIFY(probe.hasErrors && !probe.isValidMediaFile && probe.tracksInfo.isEmpty());
        QVERIFY(probe.fileSizeHuman.has_value() && *probe.fileSizeHuman != u"Unknown File Size");
    }
}

void TestFileProbe::pathsThatNeedCare()
{
    const QString quoted = u"it's a \"clip\" – été.mp4"_s;
    const FileProbe odd(mediaPath(quoted));
    QVERIFY(odd.isValidMediaFile);
    QCOMPARE(odd.fileName, quoted);

    // A relative name starting with "-" is not taken for an option.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA"));
    const FileProbe dash(u"-leading-dash.mp4"_s);
    QDir::setCurrent(previous);
    QCOMPARE(dash.numberOfVideoTracks, 1);

    // A link measures as the file it points to, so bit rates stay right.
    const FileProbe link(mediaPath(u"link.mp4"_s));
    QCOMPARE(link.fileSize, quint64(QFileInfo(mediaPath(u"h264-aac.mp4"_s)).size()));
    QVERIFY(link.isValidMediaFile);
}

QTEST_GUILESS_MAIN(TestFileProbe)
#include "tst_fileprobe.moc"
