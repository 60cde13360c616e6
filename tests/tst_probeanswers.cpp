#include "probe/fileprobe.h"
#include "probe/proberrun.h"
#include "probetesting.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString answerPath(const QString &name)
{
    return QStringLiteral(VIDEOFOLD_TEST_DATA "/answers/") + name;
}

QString trackField(const FileProbe &probe, qsizetype track, const QString &key)
{
    return probe.tracksInfo.value(track).value(key).toString();
}

} // namespace

// Canned prober answers, served by a scripted fake prober.
class TestProbeAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void outcomes_data();
    void outcomes();
    void proberArguments();
    void encryption_data();
    void encryption();
    void streamKinds_data();
    void streamKinds();
    void displaySizes_data();
    void displaySizes();
    void profileLevels_data();
    void profileLevels();
    void streamDetails();
    void chapters();
    void movieInformation();
    void largeAnswer();
    void hangingProber();

private:
    FileProbe probeAnswerFile(const QString &answerFile, const QString &file = u"clip.mp4"_s);
    FileProbe probeAnswer(const QByteArray &answer, const QString &file = u"clip.mp4"_s);

    QTemporaryDir m_folder;
};

void TestProbeAnswers::initTestCase()
{
    QVERIFY(m_folder.isValid());
    qputenv("VIDEOFOLD_RESOURCES", qgetenv("VIDEOFOLD_FAKE_TOOLS"));
    for (const QString &name : {u"clip.mp4"_s, u"CLIP.TXT"_s}) {
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not really a video, but the fake prober does not care");
    }
}

FileProbe TestProbeAnswers::probeAnswerFile(const QString &answerFile, const QString &file)
{
    qputenv("FAKE_PROBER_ANSWER", QFile::encodeName(answerFile));
    qputenv("FAKE_PROBER_ARGUMENTS", QFile::encodeName(m_folder.filePath(u"arguments"_s)));
    return FileProbe(m_folder.filePath(file));
}

FileProbe TestProbeAnswers::probeAnswer(const QByteArray &answer, const QString &file)
{
    const QString path = m_folder.filePath(u"answer.json"_s);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the canned answer");
    out.write(answer);
    out.close();
    return probeAnswerFile(path, file);
}

void TestProbeAnswers::outcomes_data()
{
    QTest::addColumn<QString>("answer"); // a file under answers/, or inline JSON
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("hasErrors");
    QTest::addColumn<bool>("isValid");
    QTest::addColumn<bool>("hasJSON");
    QTest::addColumn<qint64>("tracks");
    QTest::addColumn<bool>("hasFirstTracks");

    const QString clip = u"clip.mp4"_s;
    QTest::newRow("ordinary") << u"h264-aac.json"_s << clip << false << true << true << qint64(2) << true;
    QTest::newRow("error member") << u"error.json"_s << clip << true << false << false << qint64(0) << false;
    QTest::newRow("error member beside streams")
        << u"error-with-streams.json"_s << clip << true << false << false << qint64(0) << false;
    QTest::newRow("not JSON") << u"not-json.txt"_s << clip << false << false << false << qint64(0) << false;
    QTest::newRow("empty output") << u"empty.json"_s << clip << false << false << false << qint64(0) << false;
    QTest::newRow("no streams member") << u"{}"_s << clip << false << false << true << qint64(0) << false;
    QTest::newRow("empty streams") << u"{\"streams\": []}"_s << clip << false << false << true << qint64(0)
                                   << true;
    QTest::newRow("txt in capitals") << u"h264-aac.json"_s << u"CLIP.TXT"_s << false << false << true
                                     << qint64(2) << true;
}

void TestProbeAnswers::outcomes()
{
    QFETCH(QString, answer);
    QFETCH(QString, file);
    QFETCH(bool, hasErrors);
    QFETCH(bool, isValid);
    QFETCH(bool, hasJSON);
    QFETCH(qint64, tracks);
    QFETCH(bool, hasFirstTracks);

    const FileProbe probe = answer.startsWith(u'{') ? probeAnswer(answer.toUtf8(), file)
                                                    : probeAnswerFile(answerPath(answer), file);
    QCOMPARE(probe.hasErrors, hasErrors);
    QCOMPARE(probe.isValidMediaFile, isValid);
    QVERIFY(!probe.isEncrypted);
    QCOMPARE(probe.json.has_value(), hasJSON);
    QCOMPARE(probe.numberOfTracks, tracks);
    QCOMPARE(probe.tracksInfo.size(), tracks);
    QCOMPARE(probe.firstVideoTrackInfo.has_value(), hasFirstTracks);
    QCOMPARE(probe.firstAudioTrackInfo.has_value(), hasFirstTracks);
    QCOMPARE(probe.durationHuman.has_value(), hasJSON);
    QVERIFY(probe.fileSize > 0u && probe.fileSizeHuman.has_value());

    if (hasJSON && tracks == 0) {
        QCOMPARE(probe.durationHuman, u"00:00:00.000"_s);
        QCOMPARE(probe.bitrateHuman, u"0.0kbps"_s);
        if (hasFirstTracks) {
            QCOMPARE(probe.firstVideoTrackInfo->type(), JSON::Type::unknown);
            QCOMPARE((*probe.firstAudioTrackInfo)[u"codec"].stringValue(), QString());
        }
    }
    if (tracks == 2) {
        QCOMPARE(probe.duration, 2.0);
        QCOMPARE(probe.durationHuman, u"00:00:02.000"_s);
        QCOMPARE(probe.bitrate, probe.json.value()[u"format"][u"bit_rate"].stringValue().toLongLong());
        QCOMPARE(probe.numberOfVideoTracks, 1);
        QCOMPARE(probe.numberOfAudioTracks, 1);
        QVERIFY(!probe.metadata.isEmpty());
    }
}

void TestProbeAnswers::proberArguments()
{
    const FileProbe probe = probeAnswerFile(answerPath(u"h264-aac.json"_s));
    QVERIFY(probe.isValidMediaFile);
    QFile recorded(m_folder.filePath(u"arguments"_s));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    const QStringList arguments = QString::fromUtf8(recorded.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(arguments, (QStringList{u"-v"_s, u"quiet"_s, u"-print_format"_s, u"json"_s,
                                     u"-show_format"_s, u"-show_streams"_s, u"-show_chapters"_s,
                                     u"-show_error"_s, m_folder.filePath(u"clip.mp4"_s)}));

    // No prober at all: a quiet return with every flag down.
    qputenv("VIDEOFOLD_RESOURCES", QFile::encodeName(m_folder.path()));
    const FileProbe withoutProber(m_folder.filePath(u"clip.mp4"_s));
    qputenv("VIDEOFOLD_RESOURCES", qgetenv("VIDEOFOLD_FAKE_TOOLS"));
    QVERIFY(!withoutProber.hasErrors && !withoutProber.isValidMediaFile && !withoutProber.json);
    QCOMPARE(withoutProber.fileName, u"clip.mp4"_s);
}

void TestProbeAnswers::encryption_data()
{
    QTest::addColumn<QString>("tags");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("encrypted");

    QTest::newRow("drms") << u"\"avc1\", \"drms\""_s << u"clip.mp4"_s << true;
    QTest::newRow("drmi inside") << u"\"xdrmi\""_s << u"clip.mp4"_s << true;
    QTest::newRow("capitals") << u"\"DRMS\""_s << u"clip.mp4"_s << false;
    QTest::newRow("none") << u"\"avc1\", \"mp4a\""_s << u"clip.mp4"_s << false;
    QTest::newRow("txt is never scanned") << u"\"drms\""_s << u"CLIP.TXT"_s << false;
}

void TestProbeAnswers::encryption()
{
    QFETCH(QString, tags);
    QFETCH(QString, file);
    QFETCH(bool, encrypted);

    QString streams;
    for (const QString &tag : tags.split(u", "_s))
        streams += (streams.isEmpty() ? u""_s : u", "_s) + u"{\"codec_type\": \"audio\", \"codec_tag_string\": "_s + tag + u'}';
    const FileProbe probe = probeAnswer((u"{\"streams\": ["_s + streams + u"]}"_s).toUtf8(), file);
    QCOMPARE(probe.isEncrypted, encrypted);
    QCOMPARE(probe.tracksInfo.size(), tags.count(u',') + 1);
}

void TestProbeAnswers::streamKinds_data()
{
    QTest::addColumn<int>("track");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("extraInfo"); // empty: not checked

    QTest::newRow("Theora at 0/0") << 0 << u"Video"_s << u"Wide: 640x480 (480p)"_s;
    QTest::newRow("H.264 at 0/0") << 1 << u"Other"_s << QString();
    QTest::newRow("Motion-JPEG tagged jpeg") << 2 << u"Other"_s << QString();
    QTest::newRow("Motion-JPEG tagged MJPG") << 3 << u"Video"_s << QString();
    QTest::newRow("Motion-JPEG in Matroska") << 4 << u"Video"_s << QString();
    QTest::newRow("cover without disposition") << 5 << u"Poster"_s << QString();
    QTest::newRow("cover picture")
        << 6 << u"Poster"_s << u"PNG (Portable Network Graphics) image - 600x600"_s;
    QTest::newRow("cover without a rate") << 7 << u"Poster"_s << QString();
    QTest::newRow("ANSI art") << 8 << u"Other"_s << QString();
    QTest::newRow("SubRip") << 9 << u"Subtitle"_s << u"SubRip subtitle - Text-Based"_s;
    QTest::newRow("PGS") << 10 << u"Subtitle"_s << u"HDMV Presentation Graphic Stream subtitles - Image-Based"_s;
    QTest::newRow("EIA-608") << 11 << u"Closed Caption"_s << u"EIA-608 closed captions"_s;
    QTest::newRow("DVB subtitles are captions") << 12 << u"Closed Caption"_s << u"DVB subtitles"_s;
    QTest::newRow("mov_text tagged text") << 13 << u"Other"_s << u"3GPP Timed Text subtitle"_s;
    QTest::newRow("subtitle without a codec") << 14 << u"Other"_s << u"no name"_s;
    QTest::newRow("unknown subtitle codec") << 15 << u"Other"_s << u"Weird"_s;
    QTest::newRow("audio before bin_data") << 16 << u"Audio"_s << u"stereo"_s;
    QTest::newRow("bin_data") << 17 << u"Chapter"_s << u"Number of Chapters: 3"_s;
    QTest::newRow("bin_data without a type") << 18 << u"Chapter"_s << u"Number of Chapters: 3"_s;
    QTest::newRow("no codec type") << 19 << u"Other"_s << QString();
    QTest::newRow("rotate tag") << 20 << u"Video"_s << u"Tall: 1080x1920 (1080p)"_s;
    QTest::newRow("attachment") << 21 << u"Other"_s << QString();
}

void TestProbeAnswers::streamKinds()
{
    QFETCH(int, track);
    QFETCH(QString, type);
    QFETCH(QString, extraInfo);

    const FileProbe probe = probeAnswerFile(answerPath(u"stream-kinds.json"_s));
    QCOMPARE(trackField(probe, track, u"trackType"_s), type);
    if (!extraInfo.isEmpty())
        QCOMPARE(trackField(probe, track, u"trackExtraInfo"_s), extraInfo);
    QCOMPARE(probe.numberOfVideoTracks, 4);
    QCOMPARE(probe.numberOfAudioTracks, 1);
    QCOMPARE(probe.numberOfSubtitleTracks, 2);
    QCOMPARE(trackField(probe, 9, u"trackLanguage"_s), u"French"_s);
    QCOMPARE(trackField(probe, 10, u"trackLanguage"_s), u"German"_s);
    QCOMPARE(trackField(probe, 16, u"trackLanguage"_s), QString());
    QCOMPARE((*probe.firstVideoTrackInfo)[u"codec"].stringValue(), u"theora"_s);
    QCOMPARE((*probe.firstAudioTrackInfo)[u"index"].stringValue(), u"16"_s);
}

void TestProbeAnswers::displaySizes_data()
{
    QTest::addColumn<QString>("stream"); // members beside codec type, name and rates
    QTest::addColumn<QString>("dimension");
    QTest::addColumn<QString>("aspect");
    QTest::addColumn<QString>("resolution");

    auto size = [](int w, int h) { return u"\"width\": %1, \"height\": %2"_s.arg(w).arg(h); };
    QTest::newRow("1080p") << size(1920, 1080) << u"1920x1080"_s << u"Wide"_s << u"1080p"_s;
    QTest::newRow("rotate 90") << size(1920, 1080) + u", \"tags\": {\"rotate\": \"90\"}"_s
                               << u"1080x1920"_s << u"Tall"_s << u"1080p"_s;
        QTest::newRow("rotate 180") << size(1280, 720) + u", \"tags\": {\"rotate\": \"180\"}"_s
                                << u"1280x720"_s << u"Wide"_s << u"720p"_s;
    QTest::newRow("display matrix -90")
        << size(1920, 1080)
            + u", \"side_data_list\": [{\"side_data_type\": \"Display Matrix\", \"rotation\": -90}]"_s
        << u"1080x1920"_s << u"Tall"_s << u"1080p"_s;
    QTest::newRow("display matrix 180")
        << size(1920, 1080)
            + u", \"side_data_list\": [{\"side_data_type\": \"Display Matrix\", \"rotation\": 180}]"_s
        << u"1920x1080"_s << u"Wide"_s << u"1080p"_s;
    QTest::newRow("anamorphic PAL") << size(720, 576) + u", \"sample_aspect_ratio\": \"64:45\""_s
                                    << u"1024x576"_s << u"Wide"_s << u"SD"_s;
    QTest::newRow("square pixels") << size(720, 576) + u", \"sample_aspect_ratio\": \"1:1\""_s
                                   << u"720x576"_s << u"Wide"_s << u"SD"_s;
        QTest::newRow("anamorphic and turned")
        << size(720, 576) + u", \"sample_aspect_ratio\": \"64:45\", \"tags\": {\"rotate\": \"90\"}"_s
        << u"576x1024"_s << u"Tall"_s << u"SD"_s;
    QTest::newRow("square") << size(1080, 1080) << u"1080x1080"_s << u"Square"_s << u"1080p"_s;
    QTest::newRow("4K") << size(3840, 2160) << u"3840x2160"_s << u"Wide"_s << u"4K"_s;
        QTest::newRow("above 4K") << size(7680, 4320) << u"7680x4320"_s << u"Wide"_s << u"UHD"_s;
    QTest::newRow("2161") << size(4000, 2161) << u"4000x2161"_s << u"Wide"_s << u"UHD"_s;
    QTest::newRow("SHD") << size(2560, 1440) << u"2560x1440"_s << u"Wide"_s << u"SHD"_s;
    QTest::newRow("1081") << size(2000, 1081) << u"2000x1081"_s << u"Wide"_s << u"SHD"_s;
    QTest::newRow("HD") << size(1920, 800) << u"1920x800"_s << u"Wide"_s << u"HD"_s;
    QTest::newRow("721") << size(1280, 721) << u"1280x721"_s << u"Wide"_s << u"HD"_s;
    QTest::newRow("SD") << size(1280, 536) << u"1280x536"_s << u"Wide"_s << u"SD"_s;
    QTest::newRow("481") << size(640, 481) << u"640x481"_s << u"Wide"_s << u"SD"_s;
    QTest::newRow("480p") << size(640, 480) << u"640x480"_s << u"Wide"_s << u"480p"_s;
    QTest::newRow("479") << size(640, 479) << u"640x479"_s << u"Wide"_s << u"LD"_s;
        QTest::newRow("no size") << QString() << u"0x0"_s << u"Square"_s << u"LD"_s;
}

void TestProbeAnswers::displaySizes()
{
    QFETCH(QString, stream);
    QFETCH(QString, dimension);
    QFETCH(QString, aspect);
    QFETCH(QString, resolution);

    const QString members = stream.isEmpty() ? QString() : u", "_s + stream;
    const FileProbe probe = probeAnswer(
        (u"{\"streams\": [{\"codec_type\": \"video\", \"codec_name\": \"h264\", "
         "\"avg_frame_rate\": \"25/1\", \"r_frame_rate\": \"25/1\""_s
         + members + u"}]}"_s)
            .toUtf8());
    const JSON video = probe.firstVideoTrackInfo.value();
    QCOMPARE(video[u"dimension"].stringValue(), dimension);
    QCOMPARE(video[u"aspectRatio"].stringValue(), aspect);
    QCOMPARE(video[u"resolution"].stringValue(), resolution);
    const QStringList sides = dimension.split(u'x');
    QCOMPARE(video[u"width"].numberValue().toInt64(), sides.at(0).toLongLong());
    QCOMPARE(video[u"height"].numberValue().toInt64(), sides.at(1).toLongLong());
    QCOMPARE(trackField(probe, 0, u"trackExtraInfo"_s),
             aspect + u": "_s + dimension + u" ("_s + resolution + u')');
}

void TestProbeAnswers::profileLevels_data()
{
    QTest::addColumn<QString>("members");
    QTest::addColumn<QString>("text");

    QTest::newRow("High 4.0") << u"\"profile\": \"High\", \"level\": 40"_s << u"High@4.0"_s;
    QTest::newRow("High 3.1") << u"\"profile\": \"High\", \"level\": 31"_s << u"High@3.1"_s;
    QTest::newRow("level 120") << u"\"profile\": \"Main\", \"level\": 120"_s << u"Main@12.0"_s;
    QTest::newRow("unknown level") << u"\"profile\": \"High\", \"level\": -99"_s << u"Unknown"_s;
    QTest::newRow("profile 0") << u"\"profile\": \"0\", \"level\": 40"_s << u"Unknown"_s;
    QTest::newRow("neither") << QString() << u"@0.0"_s;
}

void TestProbeAnswers::profileLevels()
{
    QFETCH(QString, members);
    QFETCH(QString, text);
    const QString extra = members.isEmpty() ? QString() : u", "_s + members;
    const FileProbe probe = probeAnswer((u"{\"streams\": [{\"codec_type\": \"video\", "
                                         "\"avg_frame_rate\": \"1/1\""_s + extra + u"}]}"_s).toUtf8());
    QCOMPARE((*probe.firstVideoTrackInfo)[u"profilewithlevel"].stringValue(), text);
    QCOMPARE((*probe.firstVideoTrackInfo)[u"fps"].error(), JSONError::notExist);
}

void TestProbeAnswers::streamDetails()
{
    const FileProbe probe = probeAnswerFile(answerPath(u"stream-kinds.json"_s));
    const KeyValueList details = detailsOf(probe.tracksInfo.at(21));
    QCOMPARE(keysOf(details),
             (QStringList{u"0.disposition"_s, u"1.disposition"_s, u"DURATION"_s, u"avg_frame_rate"_s,
                          u"bit_rate"_s, u"bits_per_raw_sample"_s, u"codec_name"_s, u"codec_type"_s,
                          u"list"_s, u"nothing"_s, u"object"_s, u"r_frame_rate"_s}));
    QCOMPARE(detail(details, u"0.disposition"_s), u"a"_s);
    QCOMPARE(detail(details, u"nothing"_s), u"null"_s);
    QCOMPARE(detail(details, u"r_frame_rate"_s), u"20/1"_s); // 20 itself stays a fraction
    QCOMPARE(detail(details, u"avg_frame_rate"_s), u"0/0"_s);
    QCOMPARE(JSON::fromBytes(detail(details, u"list"_s).toUtf8())->count(), 2);
    QVERIFY(detail(details, u"object"_s).contains(u"\"inner\": true"));
    QVERIFY(detail(details, u"list"_s).contains(u'\n'));

    // A rotated stream keeps its tags as entries; its rate becomes readable.
    const QStringList rotated = keysOf(detailsOf(probe.tracksInfo.at(20)));
    QVERIFY(rotated.contains(u"rotate.tags"_s));
    QVERIFY(rotated.contains(u"frames_per_second"_s));
    QVERIFY(!rotated.contains(u"tags"_s));

    // Streams with no members give no entries; bin_data streams lead with the chapters.
    const FileProbe bare = probeAnswer("{\"streams\": [{}]}");
    QVERIFY(bare.tracksInfo.at(0).value(u"trackKeyValue"_s).toList().isEmpty());
    QCOMPARE(keysOf(detailsOf(probe.tracksInfo.at(17))), (QStringList{QString(), u"codec_name"_s, u"codec_type"_s}));
}

void TestProbeAnswers::chapters()
{
    const FileProbe probe = probeAnswerFile(answerPath(u"chapters.json"_s));
    // Repeated titles keep their last times; untitled chapters share one entry.
    const KeyValueList expected = {
        keyValueEntry(QString(), u"00:00:07.000 - 00:00:08.000"_s),
        keyValueEntry(u"Middle"_s, u"00:00:12.000 - 00:01:00.000"_s),
        keyValueEntry(u"Intro"_s, u"00:01:00.000 - 01:02:05.000"_s),
    };
    QCOMPARE(probe.chapterKeyValues(), expected);
    QCOMPARE(trackField(probe, 1, u"trackExtraInfo"_s), u"Number of Chapters: 5"_s);
    const KeyValueList details = detailsOf(probe.tracksInfo.at(1));
    QCOMPARE(details.mid(0, 3), expected);
    QCOMPARE(details.at(3).value(u"key"_s), u"avg_frame_rate"_s);

    const JSON video = probe.firstVideoTrackInfo.value();
    QCOMPARE(video[u"fps"].stringValue(), u"23.976"_s);
    QCOMPARE(video[u"durationHuman"].stringValue(), u"01:02:05.500"_s);
    QCOMPARE(video[u"bitrateHuman"].stringValue(), u"4000.0kbps"_s);
    QCOMPARE(probe.durationHuman, u"01:02:05.500"_s);
    QCOMPARE(probe.bitrateHuman, u"4100.0kbps"_s);
}

void TestProbeAnswers::movieInformation()
{
    const FileProbe xml = probeAnswerFile(answerPath(u"movie-information-xml.json"_s));
    const KeyValueList &metadata = xml.metadata;
    QCOMPARE(detail(metadata, u"cast.tags"_s), u"Ada Lovelace, Charles Babbage"_s);
    QCOMPARE(detail(metadata, u"directors.tags"_s), u"Grace Hopper"_s);
    QCOMPARE(detail(metadata, u"producers.tags"_s), QString());
    QCOMPARE(detail(metadata, u"screenwriters.tags"_s), u"Alan Turing"_s);
    QCOMPARE(detail(metadata, u"studio.tags"_s), u"Analytical Pictures"_s);
    QCOMPARE(detail(metadata, u"rank.ratings.tags"_s), u"5"_s);
    QCOMPARE(detail(metadata, u"score.ratings.tags"_s), u"4.5"_s);
    QCOMPARE(detail(metadata, u"source.ratings.tags"_s), u"critics"_s);
    QCOMPARE(detail(metadata, u"delta.ratings.tags"_s), u"-1"_s);
    QCOMPARE(detail(metadata, u"genres.ratings.tags"_s), u"Drama, History"_s);
    QCOMPARE(detail(metadata, u"region.ratings.tags"_s), u"code: GB, year: 1843"_s);
    QCOMPARE(detail(metadata, u"released.tags"_s), u"<none>"_s);
    QCOMPARE(detail(metadata, u"mixed.tags"_s), u"<none>"_s);
    QCOMPARE(detail(metadata, u"iTunMOVI.tags"_s), u"<none>"_s);
    QCOMPARE(detail(metadata, u"media_type.modified.tags"_s), u"Movie"_s);
    QCOMPARE(detail(metadata, u"media_type.tags"_s), u"<none>"_s);
    QCOMPARE(detail(metadata, u"title.tags"_s), u"A Movie"_s);
    QCOMPARE(detail(metadata, u"duration"_s), u"60.000000"_s);
    QCOMPARE(detail(metadata, u"nb_streams"_s), u"0"_s);
    QCOMPARE(xml.bitrateHuman, u"1411.2kbps"_s);
    const QStringList keys = keysOf(metadata);
    QCOMPARE(keys.first(), u"DURATION.tags"_s);
    QStringList sorted = keys;
    std::sort(sorted.begin(), sorted.end(), codePointLess);
    QCOMPARE(keys, sorted);

    const FileProbe binary = probeAnswerFile(answerPath(u"movie-information-binary.json"_s));
    QCOMPARE(detail(binary.metadata, u"studio.tags"_s), u"Binary Studio"_s);
    QCOMPARE(detail(binary.metadata, u"cast.tags"_s), u"Bin"_s);
    QCOMPARE(detail(binary.metadata, u"media_type.modified.tags"_s), u"<none>"_s); // kind 3

    const DiagnosticLines diagnostics;
    const FileProbe broken = probeAnswerFile(answerPath(u"movie-information-broken.json"_s));
    QCOMPARE(diagnostics.lines.size(), 1);
    QVERIFY(diagnostics.lines.first().contains(u"property list"));
    QCOMPARE(detail(broken.metadata, u"media_type.modified.tags"_s), u"Home Video"_s); // "TV" reads 0
    QCOMPARE(detail(broken.metadata, u"comment.tags"_s), QString());
    QCOMPARE(detail(broken.metadata, u"duration"_s), u"60.000000"_s);
}

void TestProbeAnswers::largeAnswer()
{
    // 5,000 chapters and 200 streams: far more than a pipe holds at once.
    QByteArray answer = "{\"streams\": [";
    for (int i = 0; i < 200; ++i) {
        if (i > 0)
            answer += ',';
        if (i == 199)
            answer += "{\"codec_type\": \"data\", \"codec_name\": \"bin_data\"}";
        else if (i % 2 == 0)
            answer += "{\"codec_type\": \"video\", \"codec_name\": \"h264\", \"width\": 1280, "
                      "\"height\": 720, \"avg_frame_rate\": \"25/1\", \"r_frame_rate\": \"25/1\", "
                      "\"tags\": {\"language\": \"eng\"}}";
        else
            answer += "{\"codec_type\": \"audio\", \"codec_name\": \"aac\", \"tags\": {\"language\": \"de\"}}";
    }
    answer += "], \"chapters\": [";
    for (int i = 0; i < 5000; ++i) {
        answer += (i > 0 ? "," : "")
            + QByteArrayLiteral("{\"start_time\": \"%1.000000\", \"end_time\": \"%2.000000\", \"tags\": {\"title\": \"Chapter %3\"}}")
                  .replace("%1", QByteArray::number(i))
                  .replace("%2", QByteArray::number(i + 1))
                  .replace("%3", QByteArray::number(i));
    }
    answer += "], \"format\": {\"duration\": \"5000.000000\"}}";
    QVERIFY(answer.size() > 4 * 65536);

    const FileProbe probe = probeAnswer(answer);
    QCOMPARE(probe.numberOfTracks, 200);
    QCOMPARE(probe.numberOfVideoTracks, 100);
    QCOMPARE(probe.numberOfAudioTracks, 99);
    QCOMPARE(trackField(probe, 1, u"trackLanguage"_s), u"German"_s);
    QCOMPARE(trackField(probe, 199, u"trackExtraInfo"_s), u"Number of Chapters: 5000"_s);
    const KeyValueList chapters = probe.chapterKeyValues();
    QCOMPARE(chapters.size(), 5000);
    QCOMPARE(chapters.last(), keyValueEntry(u"Chapter 4999"_s, u"01:23:19.000 - 01:23:20.000"_s));
    QCOMPARE(probe.tracksInfo.at(199).value(u"trackKeyValue"_s).toList().size(), 5002);
}

void TestProbeAnswers::hangingProber()
{
    // A prober that never answers is stopped at the limit; the file reads as not media.
    QTemporaryDir tools;
    QFile prober(tools.filePath(u"sniffer"_s));
    QVERIFY(prober.open(QIODevice::WriteOnly));
    prober.write("#!/bin/sh\necho \"$$\" > \"$FAKE_PROBER_PID\"\nexec sleep 600\n");
    prober.close();
    prober.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("VIDEOFOLD_RESOURCES", QFile::encodeName(tools.path()));
    qputenv("FAKE_PROBER_PID", QFile::encodeName(tools.filePath(u"pid"_s)));
    setProberTimeLimit(std::chrono::milliseconds(500));

    const DiagnosticLines diagnostics;
    QElapsedTimer clock;
    clock.start();
    const FileProbe probe(m_folder.filePath(u"clip.mp4"_s));
    setProberTimeLimit(std::chrono::minutes(2));
    qputenv("VIDEOFOLD_RESOURCES", qgetenv("VIDEOFOLD_FAKE_TOOLS"));

    QVERIFY(clock.elapsed() < 10'000);
    QVERIFY(!probe.isValidMediaFile && !probe.json);
    QCOMPARE(diagnostics.lines.size(), 1);
    QFile pid(tools.filePath(u"pid"_s));
    QVERIFY(pid.open(QIODevice::ReadOnly));
    QVERIFY(!QFileInfo::exists(u"/proc/"_s + QString::fromLatin1(pid.readAll().trimmed())));
}

QTEST_GUILESS_MAIN(TestProbeAnswers)
#include "tst_probeanswers.moc"
