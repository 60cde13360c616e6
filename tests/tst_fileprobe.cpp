// FileProbe on canned answers from a scripted fake prober, and on generated
// media through the real one.
#include "common/diagnostics.h"
#include "probe/fileprobe.h"
#include "probe/keyvalues.h"
#include "testing.h"
#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString trackField(const FileProbe &probe, qsizetype track, const QString &key)
{
    return probe.tracksInfo.value(track).value(key).toString();
}

// A track record's detail list.
KeyValueList detailsOf(const FileProbe &probe, qsizetype track)
{
    KeyValueList list;
    for (const QVariant &entry : probe.tracksInfo.value(track).value(u"trackKeyValue"_s).toList())
        list.append(entry.toMap());
    return list;
}

QStringList keysOf(const KeyValueList &list)
{
    QStringList keys;
    for (const QVariantMap &entry : list)
        keys << entry.value(u"key"_s).toString();
    return keys;
}

// The text of the entry with that key in a key/value list, or "<none>".
QString detail(const KeyValueList &list, const QString &key)
{
    const qsizetype at = keysOf(list).indexOf(key);
    return at < 0 ? u"<none>"_s : list.at(at).value(u"value"_s).toString();
}

} // namespace

class TestFileProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { setDiagnosticSink({}); }

    void init()
    {
        qputenv("VIDEOFOLD_RESOURCES", qgetenv("VIDEOFOLD_FAKE_TOOLS"));
        m_diagnostics.clear();
        setDiagnosticSink([this](const QString &line) { m_diagnostics << line; });
    }

    void initTestCase()
    {
        for (const QString &name : {u"clip.mp4"_s, u"CLIP.TXT"_s})
            QVERIFY(writeFile(m_folder.filePath(name), "not really a video, but the fake prober does not care"));
    }

    void toolLookup()
    {
        // Beside the binary, links to the system's tools; or in the directory named, by plain name, when executable.
        qunsetenv(MediaTools::resourcesVariable);
        const QString resources = QCoreApplication::applicationDirPath() + u"/resources"_s;
        QCOMPARE(MediaTools::resourceDirectory(), resources);
        QCOMPARE(QFileInfo(*MediaTools::resourcePath(MediaTools::proberName)).canonicalFilePath(),
                 QFileInfo(u"/usr/bin/ffprobe"_s).canonicalFilePath());
        QFile(m_folder.filePath(u"creator"_s)).open(QIODevice::WriteOnly);
        QVERIFY(QDir(m_folder.path()).mkpath(u"sniffer"_s));
        qputenv(MediaTools::resourcesVariable, QFile::encodeName(m_folder.path()));
        for (QStringView name : std::initializer_list<QStringView>{u"creator", u"sniffer", u"missing", u"", u"../resources/sniffer"})
            QCOMPARE(MediaTools::resourcePath(name), std::nullopt);
        QVERIFY(QDir(m_folder.path()).rmdir(u"sniffer"_s) && QFile::remove(m_folder.filePath(u"creator"_s)));
    }

    void outcomes()
    {
        // Answer, file; then errors, valid media, JSON, tracks, first-track records.
        const std::tuple<QString, QString, bool, bool, bool, qint64, bool> rows[] = {
            {u"h264-aac.json"_s, u"clip.mp4"_s, false, true, true, 2, true},
            {u"error.json"_s, u"clip.mp4"_s, true, false, false, 0, false},
            {u"error-with-streams.json"_s, u"clip.mp4"_s, true, false, false, 0, false},
            {u"not-json.txt"_s, u"clip.mp4"_s, false, false, false, 0, false},
            {u"empty.json"_s, u"clip.mp4"_s, false, false, false, 0, false},
            {u"{}"_s, u"clip.mp4"_s, false, false, true, 0, false},
            {u"{\"streams\": []}"_s, u"clip.mp4"_s, false, false, true, 0, true},
            {u"h264-aac.json"_s, u"CLIP.TXT"_s, false, false, true, 2, true}, // a text file is never media
        };
        for (const auto &[answer, file, hasErrors, isValid, hasJSON, tracks, hasFirstTracks] : rows) {
            const FileProbe probe = probeAnswer(answer, file);
            QCOMPARE(probe.hasErrors, hasErrors);
            QCOMPARE(probe.isValidMediaFile, isValid);
            QCOMPARE(probe.json.has_value() && probe.durationHuman.has_value(), hasJSON);
            QCOMPARE(probe.tracksInfo.size(), tracks);
            QCOMPARE(probe.firstVideoTrackInfo.has_value() && probe.firstAudioTrackInfo.has_value(), hasFirstTracks);
            QVERIFY(probe.fileSize > 0u && probe.fileSizeHuman.has_value());
            QVERIFY(!hasJSON || tracks > 0 || probe.bitrateHuman == u"0.0kbps");
        }

        // Encryption shows in the stream tags of anything but a text file.
        const std::tuple<QString, QString, bool> tags[] = {{u"\"avc1\"}, {\"codec_tag_string\": \"drms\""_s, u"clip.mp4"_s, true},
            {u"\"xdrmi\""_s, u"clip.mp4"_s, true}, {u"\"DRMS\""_s, u"clip.mp4"_s, false},
            {u"\"avc1\""_s, u"clip.mp4"_s, false}, {u"\"drms\""_s, u"CLIP.TXT"_s, false}};
        for (const auto &[tag, file, encrypted] : tags)
            QCOMPARE(probeAnswer(u"{\"streams\": [{\"codec_tag_string\": "_s + tag + u"}]}"_s, file).isEncrypted, encrypted);
    }

    void streamKinds()
    {
        // Each stream of the answer, in order: its kind and, where given, what the window says of it.
        const QStringList expected = {
            u"Video|Wide: 640x480 (480p)"_s, u"Other|"_s /* H.264 at 0/0 */, u"Other|"_s /* Motion-JPEG tagged jpeg */,
            u"Video|"_s /* Motion-JPEG tagged MJPG */, u"Video|"_s /* Motion-JPEG in Matroska */,
            u"Poster|"_s /* cover without disposition */, u"Poster|PNG (Portable Network Graphics) image - 600x600"_s,
            u"Poster|"_s /* cover without a rate */, u"Other|"_s /* ANSI art */,
            u"Subtitle|SubRip subtitle - Text-Based"_s, u"Subtitle|HDMV Presentation Graphic Stream subtitles - Image-Based"_s,
            u"Closed Caption|EIA-608 closed captions"_s, u"Closed Caption|DVB subtitles"_s,
            u"Other|3GPP Timed Text subtitle"_s /* mov_text tagged text */, u"Other|no name"_s, u"Other|Weird"_s,
            u"Audio|stereo"_s, u"Chapter|Number of Chapters: 3"_s /* bin_data */, u"Chapter|Number of Chapters: 3"_s,
            u"Other|"_s /* no codec type */, u"Video|Tall: 1080x1920 (1080p)"_s /* rotate tag */, u"Other|"_s /* attachment */};
        const FileProbe probe = probeAnswer(u"stream-kinds.json"_s);
        QStringList kinds;
        for (qsizetype track = 0; track < probe.tracksInfo.size(); ++track) {
            const QString extra = trackField(probe, track, u"trackExtraInfo"_s);
            kinds << trackField(probe, track, u"trackType"_s) + u'|' + (expected.value(track).endsWith(u'|') ? QString() : extra);
        }
        QCOMPARE(kinds, expected);
        QVERIFY(probe.numberOfVideoTracks == 4 && probe.numberOfSubtitleTracks == 2);
        QCOMPARE(trackField(probe, 9, u"trackLanguage"_s) + trackField(probe, 10, u"trackLanguage"_s), u"FrenchGerman"_s);
        QCOMPARE((*probe.firstVideoTrackInfo)[u"codec"].stringValue() + (*probe.firstAudioTrackInfo)[u"index"].stringValue(),
                 u"theora16"_s);
    }

    void videoRecords()
    {
        // The shown size turns with the picture and stretches with its pixels; each
        // standard height names itself, heights between two take the range below.
        auto size = [](int w, int h) { return u"\"width\": %1, \"height\": %2"_s.arg(w).arg(h); };
        const QString matrix = u", \"side_data_list\": [{\"side_data_type\": \"Display Matrix\", \"rotation\": %1}]"_s;
        const QString pal = u", \"sample_aspect_ratio\": \"%1\""_s;
        const std::pair<QString, QString> sizes[] = {
            {size(1920, 1080) + u", \"tags\": {\"rotate\": \"90\"}"_s, u"Tall: 1080x1920 (1080p)"_s},
            {size(1280, 720) + u", \"tags\": {\"rotate\": \"180\"}"_s, u"Wide: 1280x720 (720p)"_s},
            {size(1920, 1080) + matrix.arg(-90), u"Tall: 1080x1920 (1080p)"_s},
            {size(1920, 1080) + matrix.arg(180), u"Wide: 1920x1080 (1080p)"_s},
            {size(720, 576) + pal.arg(u"64:45"_s), u"Wide: 1024x576 (SD)"_s},
            {size(720, 576) + pal.arg(u"1:1"_s), u"Wide: 720x576 (SD)"_s},
            {size(720, 576) + pal.arg(u"64:45"_s) + u", \"tags\": {\"rotate\": \"90\"}"_s, u"Tall: 576x1024 (SD)"_s},
            {size(1080, 1080), u"Square: 1080x1080 (1080p)"_s}, {size(3840, 2160), u"Wide: 3840x2160 (4K)"_s},
            {size(4000, 2161), u"Wide: 4000x2161 (UHD)"_s}, {size(2000, 1081), u"Wide: 2000x1081 (SHD)"_s},
            {size(1920, 800), u"Wide: 1920x800 (HD)"_s}, {size(640, 479), u"Wide: 640x479 (LD)"_s},
            {u"\"x\": 0"_s, u"Square: 0x0 (LD)"_s}};
        for (const auto &[members, extraInfo] : sizes) {
            const FileProbe probe = probeAnswer(u"{\"streams\": [{\"codec_type\": \"video\", \"avg_frame_rate\": \"25/1\", "_s
                                                + members + u"}]}"_s);
            QCOMPARE(trackField(probe, 0, u"trackExtraInfo"_s), extraInfo);
        }

        const std::pair<QString, QString> levels[] = {{u"\"profile\": \"High\", \"level\": 31"_s, u"High@3.1"_s},
            {u"\"profile\": \"Main\", \"level\": 120"_s, u"Main@12.0"_s}, {u"\"profile\": \"High\", \"level\": -99"_s, u"Unknown"_s},
            {u"\"profile\": \"0\", \"level\": 40"_s, u"Unknown"_s}, {u"\"x\": 0"_s, u"@0.0"_s}};
        for (const auto &[members, text] : levels) {
            const FileProbe probe =
                probeAnswer(u"{\"streams\": [{\"codec_type\": \"video\", \"avg_frame_rate\": \"1/1\", "_s + members + u"}]}"_s);
            QCOMPARE((*probe.firstVideoTrackInfo)[u"profilewithlevel"].stringValue(), text);
            QCOMPARE((*probe.firstVideoTrackInfo)[u"fps"].error(), JSONError::notExist);
        }
    }

    void streamDetailsAndChapters()
    {
        const FileProbe probe = probeAnswer(u"stream-kinds.json"_s);
        // Streams with no members give no entries; bin_data streams lead with the chapters.
        QVERIFY(detailsOf(probeAnswer(u"{\"streams\": [{}]}"_s), 0).isEmpty());
        QCOMPARE(keysOf(detailsOf(probe, 17)), (QStringList{QString(), u"codec_name"_s, u"codec_type"_s}));

        const FileProbe chaptered = probeAnswer(u"chapters.json"_s);
        // Repeated titles keep their last times; untitled chapters share one entry.
        const KeyValueList expected = {keyValueEntry(QString(), u"00:00:07.000 - 00:00:08.000"_s),
                                       keyValueEntry(u"Middle"_s, u"00:00:12.000 - 00:01:00.000"_s),
                                       keyValueEntry(u"Intro"_s, u"00:01:00.000 - 01:02:05.000"_s)};
        QCOMPARE(chaptered.chapterKeyValues(), expected);
        QCOMPARE(trackField(chaptered, 1, u"trackExtraInfo"_s), u"Number of Chapters: 5"_s);
        QCOMPARE(detailsOf(chaptered, 1).mid(0, 3), expected);
        const JSON video = *chaptered.firstVideoTrackInfo;
        QCOMPARE(QStringList({video[u"fps"].stringValue(), video[u"bitrateHuman"].stringValue(), *chaptered.durationHuman,
                              *chaptered.bitrateHuman}),
                 QStringList({u"23.976"_s, u"4000.0kbps"_s, u"01:02:05.500"_s, u"4100.0kbps"_s}));
    }

    void movieInformation()
    {
        // Lists joined, signed numbers, dictionaries as "key: value", sorted by key.
        const FileProbe xml = probeAnswer(u"movie-information-xml.json"_s);
        const std::pair<QString, QString> entries[] = {{u"cast.tags"_s, u"Ada Lovelace, Charles Babbage"_s},
            {u"producers.tags"_s, QString()}, {u"studio.tags"_s, u"Analytical Pictures"_s},
            {u"score.ratings.tags"_s, u"4.5"_s}, {u"delta.ratings.tags"_s, u"-1"_s},
            {u"genres.ratings.tags"_s, u"Drama, History"_s}, {u"region.ratings.tags"_s, u"code: GB, year: 1843"_s},
            {u"released.tags"_s, u"<none>"_s}, {u"mixed.tags"_s, u"<none>"_s}, {u"iTunMOVI.tags"_s, u"<none>"_s},
            {u"media_type.modified.tags"_s, u"Movie"_s}, {u"media_type.tags"_s, u"<none>"_s},
            {u"title.tags"_s, u"A Movie"_s}, {u"nb_streams"_s, u"0"_s}};
        for (const auto &[key, value] : entries)
            QCOMPARE(detail(xml.metadata, key), value);
        QCOMPARE(xml.bitrateHuman, u"1411.2kbps"_s);
        QStringList sorted = keysOf(xml.metadata);
        std::sort(sorted.begin(), sorted.end(), codePointLess);
        QCOMPARE(keysOf(xml.metadata), sorted);

        const FileProbe binary = probeAnswer(u"movie-information-binary.json"_s);
        QCOMPARE(detail(binary.metadata, u"studio.tags"_s), u"Binary Studio"_s);
        QCOMPARE(detail(binary.metadata, u"media_type.modified.tags"_s), u"<none>"_s); // kind 3

        const FileProbe broken = probeAnswer(u"movie-information-broken.json"_s);
        QCOMPARE(m_diagnostics.size(), 1);
        QVERIFY(m_diagnostics.first().contains(u"property list"));
        QCOMPARE(detail(broken.metadata, u"media_type.modified.tags"_s), u"Home Video"_s); // "TV" reads 0
        QCOMPARE(detail(broken.metadata, u"duration"_s), u"60.000000"_s);
    }

    void realMedia()
    {
        qunsetenv("VIDEOFOLD_RESOURCES");
        // Each track's kind, and what the window says of the first video track.
        const std::tuple<QString, QStringList, QString> files[] = {
            {u"h264-aac.mp4"_s, {u"Video"_s, u"Audio"_s}, u"Wide: 320x240 (LD)"_s},
            {u"audio-only.m4a"_s, {u"Audio"_s}, QString()},
            {u"rotated.mp4"_s, {u"Video"_s}, u"Tall: 360x640 (LD)"_s}, // by a display matrix
            {u"anamorphic.mp4"_s, {u"Video"_s}, u"Wide: 1024x576 (SD)"_s},
            {u"mjpeg.mkv"_s, {u"Video"_s}, u"Wide: 320x240 (LD)"_s},
            {u"with-cover.mp4"_s, {u"Video"_s, u"Audio"_s, u"Poster"_s}, u"Wide: 320x240 (LD)"_s},
            {u"subtitles.mkv"_s, {u"Video"_s, u"Audio"_s, u"Audio"_s, u"Subtitle"_s}, u"Wide: 320x240 (LD)"_s},
            {u"chapters.mp4"_s, {u"Video"_s, u"Audio"_s, u"Chapter"_s}, u"Wide: 320x240 (LD)"_s},
            {u"it's a \"clip\" – été.mp4"_s, {u"Video"_s, u"Audio"_s}, u"Wide: 320x240 (LD)"_s},
            {u"link.mp4"_s, {u"Video"_s, u"Audio"_s}, u"Wide: 320x240 (LD)"_s}, // measured as the file it points to
        };
        for (const auto &[file, types, videoExtraInfo] : files) {
            const FileProbe probe(mediaPath(file));
            QVERIFY(!probe.hasErrors && probe.isValidMediaFile && !probe.isEncrypted);
            QCOMPARE(probe.fileName, file);
            QCOMPARE(probe.fileSize, quint64(QFileInfo(QFileInfo(mediaPath(file)).canonicalFilePath()).size()));
            QStringList found;
            for (qsizetype track = 0; track < probe.tracksInfo.size(); ++track) {
                found << trackField(probe, track, u"trackType"_s);
                QCOMPARE(probe.tracksInfo.at(track).size(), 8);
                QVERIFY(!detailsOf(probe, track).isEmpty());
            }
            QCOMPARE(found, types);
            QCOMPARE(probe.numberOfAudioTracks, types.count(u"Audio"_s));
            QVERIFY(probe.duration > 0.9 && probe.duration < 2.2 && probe.bitrate > 0);
            QCOMPARE(trackField(probe, types.indexOf(u"Video"_s), u"trackExtraInfo"_s), videoExtraInfo);
        }

        const FileProbe probe(mediaPath(u"h264-aac.mp4"_s));
        QCOMPARE((*probe.firstVideoTrackInfo)[u"fps"].stringValue(), u"25"_s);
        QCOMPARE((*probe.firstAudioTrackInfo)[u"channel"].stringValue(), u"mono"_s);
        // The stream details repeat the answer, sorted, with the rate made readable and tags as entries.
        const KeyValueList details = detailsOf(probe, 0);
        QCOMPARE(detail(details, u"frames_per_second"_s), u"25"_s);
        QCOMPARE(detail(details, u"r_frame_rate"_s), u"<none>"_s);
        QCOMPARE(detail(details, u"handler_name.tags"_s), u"VideoHandler"_s);
        QCOMPARE(detail(FileProbe(mediaPath(u"chapters.mp4"_s)).metadata, u"title.tags"_s), u"Chapter test"_s);

        // A relative name starting with "-" is not taken for an option.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(mediaPath(QString()));
        const FileProbe dash(u"-leading-dash.mp4"_s);
        QDir::setCurrent(previous);
        QCOMPARE(dash.numberOfVideoTracks, 1);

        m_diagnostics.clear();
        const FileProbe missing(mediaPath(u"no such file.mp4"_s));
        QVERIFY(missing.hasErrors && !missing.json && missing.fileSizeHuman == u"Unknown File Size");
        const QString line = u"Failed to get file attributes for local path: "_s + mediaPath(u"no such file.mp4"_s)
                             + u" with error: No such file or directory"_s;
        QCOMPARE(m_diagnostics, (QStringList{line, line}));
    }

private:
    QTemporaryDir m_folder;
    QStringList m_diagnostics;

    // A probe of a stand-in file with answer: a file under answers/, or JSON text.
    FileProbe probeAnswer(const QString &answer, const QString &file = u"clip.mp4"_s)
    {
        QString path = QStringLiteral(VIDEOFOLD_TEST_DATA "/answers/") + answer;
        if (answer.startsWith(u'{')) {
            path = m_folder.filePath(u"answer.json"_s);
            if (!writeFile(path, answer.toUtf8()))
                qFatal("cannot write the canned answer");
        }
        qputenv("FAKE_PROBER_ANSWER", QFile::encodeName(path));
        return FileProbe(m_folder.filePath(file));
    }
};

QTEST_GUILESS_MAIN(TestFileProbe)
#include "tst_fileprobe.moc"
