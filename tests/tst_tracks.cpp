#include "export/chaptertrack.h"
#include "export/thumbnailtrack.h"
#include "json/json.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(FrameSize)

namespace {

const QList<Chapter> talk = {{0, 61.5, u"Welcome"_s}, {61.5, 125.25, {}}, {125.25, 200, u"Q & A <live>"_s}};

} // namespace

// The WebVTT tracks a player reads beside the video: chapters and thumbnails.
class TestTracks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chapters_data()
    {
        QTest::addColumn<QList<Chapter>>("chapters");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QByteArray>("track");
        QTest::newRow("the whole video; an untitled chapter by its place, markup shown as written")
            << talk << 0.0 << 200.0
            << QByteArray("WEBVTT\n\n00:00:00.000 --> 00:01:01.500\nWelcome\n\n00:01:01.500 --> 00:02:05.250\nChapter 2\n\n"
                          "00:02:05.250 --> 00:03:20.000\nQ &amp; A &lt;live&gt;\n");
        QTest::newRow("a part across two cuts: shifted and clipped, the first left out")
            << talk << 70.0 << 130.0
            << QByteArray("WEBVTT\n\n00:00:00.000 --> 00:00:55.250\nChapter 2\n\n00:00:55.250 --> 00:01:00.000\nQ &amp; A &lt;live&gt;\n");
        QTest::newRow("a cut a hair's breadth after a chapter's end leaves no sliver")
            << talk << 61.4996 << 100.0 << QByteArray("WEBVTT\n\n00:00:00.000 --> 00:00:38.500\nChapter 2\n");
        QTest::newRow("a part inside one chapter") << talk << 10.0 << 20.0 << QByteArray("WEBVTT\n\n00:00:00.000 --> 00:00:10.000\nWelcome\n");
        QTest::newRow("no chapters") << QList<Chapter>() << 0.0 << 10.0 << QByteArray();
        QTest::newRow("a title over two lines and an arrow in it")
            << QList<Chapter>{{0, 5, u"Part one\n--> part two"_s}} << 0.0 << 5.0
            << QByteArray("WEBVTT\n\n00:00:00.000 --> 00:00:05.000\nPart one --&gt; part two\n");
    }

    void chapters()
    {
        QFETCH(QList<Chapter>, chapters);
        QFETCH(double, start);
        QFETCH(double, end);
        QTEST(chapterTrack(chapters, start, end), "track");
    }

    void sourceChaptersReadTheAnswer()
    {
        // As the prober writes them: times as text, out of order, one without a length, one without tags.
        const std::optional<JSON> answer = JSON::fromBytes(R"({"chapters": [
            {"id": 2, "start_time": "30.000000", "end_time": "45.500000", "tags": {"title": " Outro "}},
            {"id": 0, "start_time": "0.000000", "end_time": "12.345000", "tags": {"title": "Intro"}},
            {"id": 1, "start_time": "12.345000", "end_time": "12.345000", "tags": {"title": "Empty"}},
            {"id": 3, "start_time": "12.345000", "end_time": "30.000000"}]})");
        QVERIFY(answer);
        QCOMPARE(sourceChapters(*answer),
                 (QList<Chapter>{{0, 12.345, u"Intro"_s}, {12.345, 30, {}}, {30, 45.5, u"Outro"_s}}));
        QVERIFY(sourceChapters(JSON()).isEmpty());
    }

    void thumbnailPlans_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<FrameSize>("frame");
        QTest::addColumn<qint64>("videoBytes");
        QTest::addColumn<QString>("plan"); // interval, tile, count, columns x rows, sheets; empty for none
        QTest::newRow("a short 16:9 clip: every 2 s") << 10.0 << FrameSize{1280, 720} << qint64(2'000'000) << u"2 160x90 5 5x1 1"_s;
        QTest::newRow("a talk: full sheets") << 300.0 << FrameSize{1920, 1080} << qint64(60'000'000) << u"2 160x90 150 10x10 2"_s;
        QTest::newRow("two hours at a low rate: further apart, within a twentieth of the bytes")
            << 7200.0 << FrameSize{854, 480} << qint64(100'000'000) << u"8 160x90 900 10x10 9"_s;
        QTest::newRow("an odd shape, rounded to even") << 60.0 << FrameSize{720, 528} << qint64(5'000'000) << u"2 160x118 30 10x3 1"_s;
        QTest::newRow("portrait") << 20.0 << FrameSize{608, 1080} << qint64(5'000'000) << u"2 160x284 10 10x1 1"_s;
        QTest::newRow("a frame narrower than a thumbnail") << 20.0 << FrameSize{121, 90} << qint64(5'000'000) << u"2 120x90 10 10x1 1"_s;
        QTest::newRow("too few bytes for two") << 60.0 << FrameSize{1280, 720} << qint64(20'000) << QString();
        QTest::newRow("shorter than two thumbnails") << 2.0 << FrameSize{1280, 720} << qint64(2'000'000) << QString();
        QTest::newRow("no duration") << qQNaN() << FrameSize{1280, 720} << qint64(2'000'000) << QString();
        QTest::newRow("no frame") << 60.0 << FrameSize{} << qint64(2'000'000) << QString();
    }

    void thumbnailPlans()
    {
        QFETCH(double, seconds);
        QFETCH(FrameSize, frame);
        QFETCH(qint64, videoBytes);
        const std::optional<ThumbnailPlan> plan = thumbnailPlan(seconds, frame, videoBytes);
        const QString seen = plan ? u"%1 %2x%3 %4 %5x%6 %7"_s.arg(plan->interval)
                                        .arg(plan->tile.width)
                                        .arg(plan->tile.height)
                                        .arg(plan->count)
                                        .arg(plan->columns)
                                        .arg(plan->rows)
                                        .arg(plan->sheetCount())
                                  : QString();
        QTEST(seen, "plan");
    }

    void thumbnailTrackNamesEachRectangle()
    {
        const ThumbnailPlan plan = *thumbnailPlan(5.5, {1280, 720}, 2'000'000);
        QCOMPARE(thumbnailTrack(plan, 5.5),
                 QByteArray("WEBVTT\n\n00:00:00.000 --> 00:00:02.000\nthumbnails-1.jpg#xywh=0,0,160,90\n\n"
                            "00:00:02.000 --> 00:00:04.000\nthumbnails-1.jpg#xywh=160,0,160,90\n\n"
                            "00:00:04.000 --> 00:00:05.500\nthumbnails-1.jpg#xywh=320,0,160,90\n"));
        // Past a full sheet the next one starts at its top left.
        const ThumbnailPlan talkPlan = *thumbnailPlan(300, {1920, 1080}, 60'000'000);
        const QList<QByteArray> cues = thumbnailTrack(talkPlan, 300).split('\n');
        QVERIFY(cues.contains("00:03:18.000 --> 00:03:20.000") && cues.contains("thumbnails-2.jpg#xywh=0,0,160,90"));
        QVERIFY(cues.contains("thumbnails-1.jpg#xywh=1440,810,160,90") && cues.at(cues.size() - 2) == "thumbnails-2.jpg#xywh=1440,360,160,90");
    }
};

QTEST_GUILESS_MAIN(TestTracks)
#include "tst_tracks.moc"
