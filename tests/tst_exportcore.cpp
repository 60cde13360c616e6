#include "export/adaptivefolder.h"
#include "export/adaptiveladder.h"
#include "export/av1steps.h"
#include "export/captiontrim.h"
#include "export/codecstring.h"
#include "choicetable.h"
#include "export/encoderarguments.h"
#include "export/exportchoice.h"
#include "export/exactsize.h"
#include "export/exportverdict.h"
#include "export/failurecause.h"
#include "export/folderverdict.h"
#include "export/hlsplaylist.h"
#include "export/loudness.h"
#include "export/htmlpage.h"
#include "export/outputsettings.h"
#include "export/pagecontent.h"
#include "export/playability.h"
#include "export/posterframe.h"
#include "export/progress.h"
#include "export/settingstext.h"
#include "export/sharpness.h"
#include "export/webplayer.h"
#include "probe/fileprobe.h"
#include "testing.h"
#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
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
    inputs.numberOfAudioTracks = 1;
    inputs.firstAudioTrackNumber = 1;
    inputs.firstVideoTrackInfo = JSON(QVariant(QVariantMap{{u"codec"_s, u"prores"_s}, {u"index"_s, u"0"_s}}));
    inputs.firstVideoPixelFormat = u"yuv422p10le"_s;
    inputs.targetBytes = 50'000'000;
    inputs.frameSize = {1920, 1080};
    return inputs;
}

QByteArray dataFile(const QString &name)
{
    return bytesOf(QStringLiteral(VIDEOFOLD_TEST_DATA "/") + name);
}

const PageContent captioned{u"Tom & \"Jerry\" <3"_s, u"en"_s,
                            {{2, u"captions.en.vtt"_s, u"en"_s, u"English"_s, true},
                             {3, u"captions.de.vtt"_s, u"de"_s, u"German"_s, false}}};

// An MP4 box: a 32-bit size (or 1 and a 64-bit one), its type and its payload.
QByteArray box(const char *type, const QByteArray &payload, bool largeSize = false)
{
    QByteArray bytes;
    auto appendBigEndian = [&bytes](quint64 value, int size) {
        for (int shift = (size - 1) * 8; shift >= 0; shift -= 8)
            bytes += char((value >> shift) & 0xff);
    };
    appendBigEndian(largeSize ? 1 : quint64(payload.size() + 8), 4);
    bytes += type;
    if (largeSize)
        appendBigEndian(quint64(payload.size() + 16), 8);
    return bytes + payload;
}

} // namespace

Q_DECLARE_METATYPE(Pass)
Q_DECLARE_METATYPE(FrameSize)

class TestExportCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameAndTargetSizes()
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
        for (const QString &text : {u"960x540"_s, u" 960 x 540"_s, u"960 x 540 "_s, u"-2 x 4"_s, u"9.5 x 4"_s, u"960 x"_s,
                                    QString(), u"９６０ x ５４０"_s, u"1234567890 x 2"_s})
            QVERIFY2(!parseFrameSizeText(text), qPrintable(text));
        QVERIFY(parseFrameSizeText(u"0 x 540"_s)->isEmpty() && parseFrameSizeText(u"960 x 0"_s)->isEmpty());
        QCOMPARE(targetSizeBytes(50'000'000, 50), 25'000'000);
        QCOMPARE(targetSizeBytes(99, 50), 49); // truncated, not rounded
    }

    void exactSizeDecisions_data()
    {
        QTest::addColumn<QList<Pass>>("passes");
        QTest::addColumn<double>("most");                // the bounds' upper end
        QTest::addColumn<std::optional<Pass>>("next");   // its written bytes are 0
        using enum PassKind;
        // Target 1,000,000 bytes, 50,000 of them audio and container, 10 seconds: the video aims at 935,000.
        const double most = SizeBounds{}.most;
        QTest::newRow("within") << QList<Pass>{{Final, 1000, 1'010'000}} << most << std::optional<Pass>();
        QTest::newRow("over") << QList<Pass>{{Final, 1000, 1'100'000}} << most
                              << std::optional(Pass{Corrected, 1000.0 * 935'000 / 1'050'000, 0});
        QTest::newRow("under") << QList<Pass>{{Final, 1000, 800'000}} << most
                               << std::optional(Pass{Corrected, 1000.0 * 935'000 / 750'000, 0});
        QTest::newRow("nothing written") << QList<Pass>{{Final, 1000, 0}} << most << std::optional<Pass>();
        QTest::newRow("quality ceiling") << QList<Pass>{{Final, 1000, 800'000}, {Corrected, 1250, 810'000}} << most
                                         << std::optional<Pass>();
        QTest::newRow("under, grew as asked") << QList<Pass>{{Final, 1000, 800'000}, {Corrected, 1200, 880'000}} << most
                                              << std::optional(Pass{Corrected, 1200.0 * 935'000 / 830'000, 0});
        QTest::newRow("under after two corrections")
            << QList<Pass>{{Final, 1000, 800'000}, {Corrected, 1200, 880'000}, {Corrected, 1300, 890'000}} << most
            << std::optional<Pass>();
        // Still over after the corrections: the rate cap leaves room for its buffer of a second.
        QTest::newRow("over after two corrections")
            << QList<Pass>{{Final, 1000, 1'100'000}, {Corrected, 900, 1'060'000}, {Corrected, 1000, 1'030'000}} << most
            << std::optional(Pass{Capped, 935'000 * 8 / 1000.0 / 11, 0});
        QTest::newRow("over after two capped passes")
            << QList<Pass>{{Final, 1000, 1'100'000}, {Corrected, 900, 1'060'000}, {Corrected, 1000, 1'030'000},
                           {Capped, 680, 1'030'000}, {Capped, 600, 1'025'000}}
            << most << std::optional<Pass>();
        QTest::newRow("capped and under") << QList<Pass>{{Final, 1000, 1'100'000}, {Capped, 600, 700'000}} << most
                                          << std::optional<Pass>();
        // A limit in bytes is a ceiling: a file 0.5 % over it is not kept.
        QTest::newRow("ceiling, just over") << QList<Pass>{{Final, 1000, 1'005'000}} << ceilingBounds.most
                                            << std::optional(Pass{Corrected, 1000.0 * 935'000 / 955'000, 0});
        QTest::newRow("label, just over") << QList<Pass>{{Final, 1000, 1'005'000}} << most << std::optional<Pass>();
    }

    void av1SizeDecisions()
    {
        // Target 1,000,000 bytes, 50,000 of them audio and container: the AV1 runs aim at 930,000 of video.
        using enum PassKind;
        const std::tuple<QList<Pass>, std::optional<double>, std::optional<qsizetype>> rows[] = { // runs, next rate, kept run
            {{{Final, 1000, 950'000}}, {}, 0},
            {{{Final, 1000, 1'050'000}}, 1000.0 * 930'000 / 1'000'000, {}},
            {{{Final, 1000, 650'000}}, 1000.0 * 930'000 / 600'000, 0},
            {{{Final, 1000, 650'000}, {Corrected, 1500, 660'000}}, {}, 1}, // the quality ceiling
            {{{Final, 1000, 1'400'000}, {Corrected, 500, 870'000}}, 500 + (930'000 - 820'000) / 1060.0, 1}, // the line through both
            {{{Final, 1000, 1'200'000}, {Corrected, 800, 850'000}, {Corrected, 900, 1'010'000}}, {}, 1},
            {{{Final, 1000, 1'200'000}, {Corrected, 800, 1'100'000}, {Corrected, 700, 1'001'000}}, {}, {}},
            {{{Final, 1000, 0}}, {}, {}},
            {{{Final, 1000, 40'000}}, {}, 0}}; // under the audio alone: no rate helps
        for (const auto &[runs, next, kept] : rows) {
            QCOMPARE(nextAv1Kilobits(runs, 1'000'000, 50'000), next);
            QCOMPARE(keptAv1Run(runs, 1'000'000), kept);
        }
        QCOMPARE(firstAv1Kilobits(1'000'000, 50'000, 10), 744.8);
        QVERIFY(!nextAv1Kilobits({}, 1'000'000, 0) && !nextAv1Kilobits({{Final, 1000, 950'000}}, 0, 0)); // no run, no target
    }

    void av1Steps()
    {
        // The step after each run: a run's end in, the next run, the file kept or why there is none out.
        using enum PassKind;
        using Kind = Av1Step::Kind;
        const std::tuple<const char *, QList<Pass>, bool, QString, bool, Kind, QString> rows[] = {
            {"within bounds", {{Final, 1000, 950'000}}, true, {}, false, Kind::Keep, {}},
            {"over: a correction", {{Final, 1000, 1'050'000}}, true, {}, false, Kind::Run, {}},
            {"one run only", {{Final, 1000, 1'050'000}}, true, {}, true, Kind::Keep, {}},
            {"every run over", {{Final, 1000, 1'200'000}, {Corrected, 800, 1'100'000}, {Corrected, 700, 1'001'000}}, true, {},
             false, Kind::Drop, u"could not be made as small as 1.0 MB: it came to 1.0 MB."_s},
            {"stopped with its words", {{Final, 1000, 0}}, false, u"Out of memory"_s, false, Kind::Drop,
             u"The AV1 encoder stopped:\nOut of memory"_s},
            {"stopped silently", {{Final, 1000, 0}}, false, {}, true, Kind::Drop, u"The AV1 encoder stopped."_s}};
        for (const auto &[name, runs, ended, errors, approximate, kind, problem] : rows) {
            const Av1Step step = nextAv1Step(runs, ended, errors, 1'000'000, 50'000, approximate);
            QVERIFY2(step.kind == kind && step.problem.endsWith(problem), name);
        }
        Av1Start start{500.0, true, {640, 360}, 1'000'000, 0, 10};
        QCOMPARE(firstAv1Step(start).kilobits, 500.0); // the single run's rate
        start.fixedBytes = 50'000;
        QCOMPARE(firstAv1Step(start).kilobits, 744.8); // beside the audio the analysis measured
        start.frameSize = {62, 34};
        QVERIFY(firstAv1Step(start).problem.contains(u"smaller than 64 x 64 pixels; this one is 62 x 34"_s));
        start.singleRunKilobits.reset();
        QVERIFY(firstAv1Step(start).problem.contains(u"duration is unknown"_s));
    }

    void av1KeptOnlyWhenSharper()
    {
        // Each video's mean SSIM against the source decides; four decimals, as they are shown.
        const QString printed = u"[ssim@av1 @ 0x55a0] SSIM Y:0.972487 (15.6) U:0.986761 (18.7) V:0.987656 (19.0) All:0.977394 (16.4)\n"
                                "[ssim@h264 @ 0x55a1] SSIM Y:0.988834 (19.5) U:0.993898 (22.1) V:0.994175 (22.3) All:0.990568 (20.2)\n"_s;
        const Sharpness read = readSharpness(printed);
        QVERIFY(read.av1 == 0.977394 && read.h264 == 0.990568);
        QVERIFY(!readSharpness(u"[ssim@h264 @ 0x1] SSIM Y:0.98 All:0.98 (20.0)\n"_s).measured());
        QVERIFY(!readSharpness(u"[ssim@h264 @ 0x1] SSIM All:1.5 (inf)\n[ssim@av1 @ 0x2] SSIM All:0.9 (10.0)\n"_s).h264);

        const std::tuple<const char *, Sharpness, bool, QString> rows[] = {
            {"sharper", {0.9812, 0.9851, {}}, true, u"AV1 version sharper: SSIM 0.9851 against 0.9812"_s},
            {"sharper by the last decimal shown", {0.99001, 0.99012, {}}, true, u"SSIM 0.9901 against 0.9900"_s},
            {"level in the decimals shown", {0.99061, 0.99064, {}}, false, u"SSIM 0.9906 against 0.9906"_s},
            {"comparison failed", {std::nullopt, std::nullopt, u"Invalid data found when processing input"_s}, true,
             u"AV1 version kept unmeasured, its size and playback checked: Invalid data found when processing input"_s},
            {"one figure missing", {0.99, std::nullopt, u"no figure for AV1"_s}, true, u"kept unmeasured"_s}};
        for (const auto &[name, sharpness, keep, diagnostic] : rows) {
            const Av1Judgement judged = judgeSharpness(sharpness);
            QVERIFY2(judged.keep == keep && judged.diagnostic.contains(diagnostic) && judged.problem.isEmpty() == keep,
                     qPrintable(QString::fromUtf8(name) + u": "_s + judged.diagnostic));
        }
        QCOMPARE(judgeSharpness({0.9906, 0.9856, {}}).problem,
                 u"The AV1 version was no sharper than the H.264 one (SSIM 0.9856 against 0.9906), so the page offers the "
                 "H.264 video alone."_s);
    }

    void verdicts()
    {
        // The outcome from the folder's verdict and what the end found.
        const FolderVerdict good{true, {u"/out/html5Video.html"_s}};
        FailureFacts observed;
        observed.encoderEndedNormally = true;
        const auto verdict = [&](const FolderVerdict &folder, const EndFacts &end) { return exportVerdict(folder, observed, end); };
        QVERIFY(verdict(good, {std::nullopt, 900, 1000, true, 0}).succeeded());
        QVERIFY(verdict(good, {std::nullopt, 1200, 1000, false, 0}).succeeded()); // a share, not a promise
        const ExportOutcome over = verdict(good, {std::nullopt, 1'200'000, 1'000'000, true, 300'000});
        QCOMPARE(over.reason, u"The video could not be made as small as 1.0 MB: it came to 1.2 MB. The sound and the container "
                              "alone take 300.0 kB."_s);
        QVERIFY(!over.succeeded() && over.entries == good.entries && over.reasonCode == u"overLimit");
        QCOMPARE(verdict(good, {std::nullopt, 1'200'000, 1'000'000, true, 0}).reason,
                 u"The video could not be made as small as 1.0 MB: it came to 1.2 MB."_s); // nothing measured beside it
        const ExportOutcome noEncoder = verdict({false, {}}, {u"/opt/tools"_s, 0, 1000, false, 0});
        QVERIFY(!noEncoder.succeeded() && noEncoder.reason.contains(u"was not found in /opt/tools"_s)
                && noEncoder.reasonCode == u"encoderMissing");
        observed.encoderEndedNormally = false;
        observed.encoderMessage = u"Conversion failed!"_s;
        QVERIFY(verdict({false, {}}, {std::nullopt, 0, 1000, false, 0}).reason.contains(u"Conversion failed!"_s));
    }

    void exactSizeDecisions()
    {
        QFETCH(QList<Pass>, passes);
        QFETCH(double, most);
        QFETCH(std::optional<Pass>, next);
        const std::optional<Pass> decided = nextExactSizePass(passes, 1'000'000, 50'000, 10, {most, 0.9});
        QCOMPARE(decided.has_value(), next.has_value());
        if (next) {
            QCOMPARE(decided->kind, next->kind);
            // Named in the diagnostics as they always were, in progress as a title.
            QCOMPARE(passTitle(next->kind).toLower(), passName(next->kind));
            QVERIFY2(qFuzzyCompare(decided->videoKilobits, next->videoKilobits), qPrintable(QString::number(decided->videoKilobits)));
        }
        // No video bytes left beside the audio: nothing more to try, whatever the miss.
        QVERIFY(!nextExactSizePass(passes, 1'000'000, 990'000, 10, {most, 0.9}));
    }

    void mp4Overhead_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<qint64>("overhead");
        const QByteArray media(1000, 'm');
        const QByteArray ftyp = box("ftyp", QByteArray(16, 'f'));
        const QByteArray moov = box("moov", QByteArray(100, 'v'));
        QTest::newRow("plain boxes") << ftyp + box("mdat", media) + moov << qint64(24 + 8 + 108);
        QTest::newRow("64-bit size") << ftyp + box("mdat", media, true) + moov << qint64(24 + 16 + 108);
        QByteArray toTheEnd = box("mdat", media);
        toTheEnd.replace(0, 4, QByteArray(4, 0)); // size 0: the box runs to the end of the file
        QTest::newRow("size 0") << ftyp + moov + toTheEnd << qint64(24 + 108 + 8);
        QTest::newRow("truncated box") << ftyp + box("mdat", media).first(508) << qint64(24 + 8);
        QTest::newRow("no file") << QByteArray() << qint64(0);
    }

    void mp4Overhead()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, overhead);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"video.mp4"_s);
        if (!file.isEmpty())
            QVERIFY(writeFile(path, file));
        QCOMPARE(mp4OverheadBytes(path), overhead);
    }

    void chosenExports_data()
    {
        QTest::addColumn<int>("row");
        for (qsizetype index = 0; index < choiceRows().size(); ++index)
            QTest::newRow(choiceRows().at(index).name) << int(index);
    }

    void chosenExports()
    {
        QFETCH(int, row);
        const ChoiceRow &expected = choiceRows().at(row);
        ExportChoice choice;
        if (!expected.frameSize.isEmpty())
            choice.frameSize = *parseFrameSizeSetting(expected.frameSize);
        if (!expected.size.isEmpty())
            choice.size = *parseSizeSetting(expected.size);
        if (!expected.poster.isEmpty())
            choice.poster = *parsePositionSetting(expected.poster);
        if (!expected.start.isEmpty())
            choice.start = parsePositionSetting(expected.start);
        if (!expected.end.isEmpty())
            choice.end = parsePositionSetting(expected.end);
        const QString source = mediaPath(u"long.mp4"_s);
        const auto probe = std::make_shared<const FileProbe>(source);
        const ChosenExport chosen = chooseExport(source, probe, choice, u"/tmp/out"_s);
        if (!expected.refusal.isEmpty()) {
            QVERIFY2(!chosen.request && chosen.refusal.contains(expected.refusal), qPrintable(chosen.refusal));
            return;
        }
        QVERIFY2(chosen.request, qPrintable(chosen.refusal));
        const ExportRequest &request = *chosen.request;
        const double sourceBytes = double(*probe->fileSize);
        QCOMPARE_LE(std::abs(request.targetBytes - expected.targetShareOfSource * sourceBytes), 1.0);
        QCOMPARE(request.targetIsCeiling, expected.ceiling);
        QCOMPARE(request.startSeconds, expected.startSeconds);
        QCOMPARE(request.endSeconds, expected.endSeconds);
        QCOMPARE(request.posterSeconds, expected.posterSeconds);
        QCOMPARE(request.posterAtExactTime, expected.startSeconds > 0 || expected.endSeconds.has_value());
        const FrameSize frameSize = expected.frameSize.isEmpty() ? FrameSize{640, 360} : FrameSize{320, 180};
        QCOMPARE(request.frameSize, frameSize);
        // A file that cannot be exported is refused as the open panel refuses it.
        QVERIFY(!chooseExport(mediaPath(u"audio-only.m4a"_s), std::make_shared<const FileProbe>(mediaPath(u"audio-only.m4a"_s)),
                              choice, u"/tmp/out"_s).request);
    }

    void settingsTexts()
    {
        using Size = SizeSetting;
        const std::pair<QString, std::optional<Size>> sizes[] = {
            {u"50%"_s, Size{Size::Kind::Share, 50}}, {u"8MB"_s, Size{Size::Kind::Bytes, 8e6}},
            {u"750kB"_s, Size{Size::Kind::Bytes, 750e3}}, {u"1.5GB"_s, Size{Size::Kind::Bytes, 1.5e9}},
            {u"8000000"_s, Size{Size::Kind::Bytes, 8e6}}, {u"8 mb"_s, Size{Size::Kind::Bytes, 8e6}},
            {u"2 G"_s, Size{Size::Kind::Bytes, 2e9}}, {u"1TB"_s, Size{Size::Kind::Bytes, 1e12}}, {u"64 B"_s, Size{Size::Kind::Bytes, 64}},
            {u" 50 % "_s, Size{Size::Kind::Share, 50}}, {u"0.5"_s, {}}, {u"x%"_s, {}},
            {u"0"_s, {}}, {u"-5MB"_s, {}}, {u"150%"_s, {}}, {u"0%"_s, {}}, {u"8 MiB"_s, {}}, {u"1e6"_s, {}}, {QString(), {}}};
        for (const auto &[text, size] : sizes)
            QVERIFY2(parseSizeSetting(text) == size, qPrintable(text));

        const std::pair<QString, std::optional<FrameSizeSetting>> frames[] = {
            {u"50%"_s, FrameSizeSetting{50.0, {}}}, {u"1280x720"_s, FrameSizeSetting{{}, {1280, 720}}},
            {u"1280 x 720"_s, FrameSizeSetting{{}, {1280, 720}}}, {u"1280×720"_s, FrameSizeSetting{{}, {1280, 720}}},
            {u"12.5%"_s, FrameSizeSetting{12.5, {}}}, {u"0x720"_s, {}}, {u"1280x"_s, {}}, {u"101%"_s, {}}, {u"0%"_s, {}}};
        for (const auto &[text, frame] : frames)
            QVERIFY2(parseFrameSizeSetting(text) == frame, qPrintable(text));
        // Only sizes the slider reaches: each side of 1920 x 1080 scaled alike, even.
        const JSON hd(QVariant(QVariantMap{{u"width"_s, 1920}, {u"height"_s, 1080}}));
        QCOMPARE(frameSizePercent(hd, {960, 540}), 50);
        QCOMPARE(frameSizePercent(hd, {1920, 1080}), 100);
        QCOMPARE(frameSizePercent(hd, {961, 540}), std::nullopt);
        QCOMPARE(frameSizePercent(hd, {1080, 1920}), std::nullopt);

        using Position = PositionSetting;
        const std::pair<QString, std::optional<Position>> positions[] = {
            {u"40%"_s, Position{Position::Kind::Share, 40}}, {u"62.5"_s, Position{Position::Kind::Seconds, 62.5}},
            {u"1:02.5"_s, Position{Position::Kind::Seconds, 62.5}}, {u"1:01:02.5"_s, Position{Position::Kind::Seconds, 3662.5}},
            {u"100%"_s, Position{Position::Kind::Share, 100}}, {u"0"_s, Position{Position::Kind::Seconds, 0}},
            {u"1:60"_s, {}}, {u"1.5:00"_s, {}}, {u"-3"_s, {}}, {u"1:2:3:4"_s, {}}, {u"soon"_s, {}}, {u"101%"_s, {}},
            {u"0\n:0.2"_s, {}}}; // a line break inside once read as -59.8 s (fuzzing)
        for (const auto &[text, position] : positions)
            QVERIFY2(parsePositionSetting(text) == position, qPrintable(text));
        QCOMPARE(clockText(62.56, true), u"1:02.5"_s);
        QCOMPARE(clockText(3725), u"1:02:05"_s);
        QCOMPARE(clockText(-1), u"0:00"_s);
    }

    void posters()
    {
        // Half the duration at the end; five seconds at the start or without a duration.
        const std::tuple<double, double, QString> seeks[] = {{120, 50, u"30.0"_s}, {120, 100, u"60.0"_s},
            {120, 0, u"5"_s}, {10, 33, u"1.65"_s}, {0, 50, u"5"_s}};
        for (const auto &[duration, percent, seek] : seeks)
            QCOMPARE(PosterFrame::seekText(PosterFrame::positionSeconds(duration, percent)), seek);

        // The preview's frame, 480 high; the one-second clip has no frame five seconds in: its first stands in.
        QTemporaryDir folder;
        const QImage preview = PosterFrame::extract(mediaPath(u"h264-aac.mp4"_s), 1.0, folder.path());
        QCOMPARE(preview.size(), QSize(640, 480));
        QVERIFY(QDir(folder.path()).isEmpty());
        QCOMPARE(PosterFrame::extract(mediaPath(u"video-only.mp4"_s), 0.0, folder.path()).height(), 480);
        QVERIFY(PosterFrame::extract(mediaPath(u"audio-only.m4a"_s), 0.5, folder.path()).isNull());
        QVERIFY(PosterFrame::extract(mediaPath(u"missing.mp4"_s), 0.5, folder.path()).isNull());

        // Written as a JPEG stretched to the frame size, not cropped: the left half stays blue.
        QImage halves = preview.copy();
        halves.fill(Qt::red);
        QPainter(&halves).fillRect(0, 0, halves.width() / 2, halves.height(), Qt::blue);
        const QString path = folder.filePath(u"poster.jpg"_s);
        PosterFrame::writePosterFile(halves, path, {200, 400});
        QCOMPARE(QImageReader(path).format(), QByteArray("jpeg"));
        const QImage poster(path);
        QCOMPARE(poster.size(), QSize(200, 400));
        QVERIFY(qBlue(poster.pixel(50, 200)) > 200 && qRed(poster.pixel(150, 200)) > 200);
        QFile::remove(path);
        for (const FrameSize size : {FrameSize{0, 0}, FrameSize{640, 0}, FrameSize{40'000, 10}})
            PosterFrame::writePosterFile(halves, path, size);
        PosterFrame::writePosterFile(QImage(), path, {640, 360});
        QVERIFY(!QFile::exists(path));
    }

    void encoderArguments()
    {
        QCOMPARE(buildEncoderArguments(proresInputs()),
                 u"-i SOURCE -sn -dn -map_chapters -1 -map_metadata -1 -avoid_negative_ts auto -pix_fmt yuv420p -b:v 6426.0k "
                 "-b:a 128.0k -vf scale=1920:1080,setsar=1:1 -map 0:0 -c:v libx264 -ac 2 -map 0:1 -c:a aac -y "
                 "FOLDER/html5video.mp4"_s.split(u' '));
        auto arguments = [](auto change) {
            EncoderInputs inputs = proresInputs();
            change(inputs);
            return buildEncoderArguments(inputs).join(u' ');
        };
        // An 8-bit 4:2:0 source keeps its pixels; other formats become yuv420p.
        QVERIFY(!arguments([](EncoderInputs &in) {
                     in.firstVideoTrackInfo = JSON(QVariant(QVariantMap{{u"codec"_s, u"h264"_s}}));
                     in.firstVideoPixelFormat = u"yuvj420p"_s;
                 }).contains(u"-pix_fmt"));
        // No audio: the whole rate is the video's; of three audio tracks only the first is mapped.
        const QString silent = arguments([](EncoderInputs &in) {
            in.numberOfAudioTracks = 0;
            in.firstAudioTrackNumber.reset();
        });
        QVERIFY(silent.contains(u"-b:v 6554.0k -vf") && !silent.contains(u"-b:a") && !silent.contains(u"-ac"));
        const QString three = arguments([](EncoderInputs &in) { in.numberOfAudioTracks = 3, in.firstAudioTrackNumber = 2; });
        QVERIFY(three.count(u"-map 0:") == 2 && three.contains(u"-ac 2 -map 0:2 -c:a aac"));
        QVERIFY(arguments([](EncoderInputs &in) { in.fastStart = true; })
                    .endsWith(u"-c:a aac -movflags +faststart -y FOLDER/html5video.mp4"));
        // A rate below 1 kb/s, which libx264 refuses, is raised to 1 kb/s; 0 stays; no duration, no rates.
        QVERIFY(arguments([](EncoderInputs &in) { in.targetBytes = 10'000; })
                    .contains(u"-b:v 1.0k -b:a 0.31999999999999995k"));
        QVERIFY(arguments([](EncoderInputs &in) { in.targetBytes = 1'000; }).contains(u"-b:v 0.0k -b:a 0.0k"));
        QVERIFY(!arguments([](EncoderInputs &in) { in.duration.reset(); }).contains(u"-b:"));

        // A raw stream has no container duration; the video stream's stands in.
        const FileProbe probe(QCoreApplication::applicationFilePath(), R"({"streams": [
            {"codec_type": "audio", "codec_name": "aac"}, {"codec_type": "video", "codec_name": "h264",
             "avg_frame_rate": "25/1", "width": 640, "height": 480, "duration": "4.000000", "pix_fmt": "yuv420p10le"}],
            "format": {"duration": "N/A"}})");
        const EncoderInputs inputs = encoderInputs(probe, u"/in.h264"_s, u"/out"_s, 1e6, {640, 480});
        QCOMPARE(inputs.duration, 4.0);
        const QString raw = buildEncoderArguments(inputs).join(u' '); // 10-bit H.264 becomes 8-bit
        QVERIFY(raw.contains(u"-pix_fmt yuv420p") && raw.contains(u"-map 0:1 -c:v libx264 -ac 2 -map 0:0 -c:a aac"));
        const FileProbe still(QCoreApplication::applicationFilePath(),
                              R"({"streams": [{"codec_type": "video", "codec_name": "h264", "avg_frame_rate": "1/1"}]})");
        QVERIFY(!encoderInputs(still, u"/in"_s, u"/out"_s, 1e6, {2, 2}).duration);
    }

    void progress_data()
    {
        // The last position in a chunk of the encoder's standard error, as a share of the duration.
        QTest::addColumn<QByteArray>("chunk");
        QTest::addColumn<double>("duration");
        QTest::addColumn<std::optional<double>>("percent");
        QTest::newRow("a real first chunk, header included") << dataFile(u"encoder-stderr.txt"_s) << 3.0 << std::optional(2.96 / 3 * 100);
        QTest::newRow("a progress line") << QByteArray("frame=  100 fps=25 q=28.0 size=256kB time=00:00:04.00 bitrate=524.3kbits/s")
                                         << 8.0 << std::optional(50.0);
        QTest::newRow("another time stamp before it") << QByteArray("start 00:00:08.00 frame=1 time=00:00:02.00 bitrate=1") << 8.0
                                                      << std::optional(25.0);
        QTest::newRow("two lines, the last counts") << QByteArray("time=00:00:01.00 x\rtime=00:00:03.00 y") << 4.0 << std::optional(75.0);
        QTest::newRow("past the end") << QByteArray("time=00:00:09.50") << 8.0 << std::optional(100.0);
        QTest::newRow("no time yet") << QByteArray("frame=0 time=N/A bitrate=N/A") << 8.0 << std::optional<double>();
        QTest::newRow("a time, then none") << QByteArray("time=00:00:02.00 time=N/A") << 8.0 << std::optional(25.0);
        QTest::newRow("a comma for the hundredths") << QByteArray("time=00:00:04,00") << 8.0 << std::optional<double>();
        QTest::newRow("not UTF-8") << QByteArray("time=00:00:04.00 \xff\xfe") << 8.0 << std::optional<double>();
        QTest::newRow("no duration") << QByteArray("time=00:00:04.00") << 0.0 << std::optional<double>();
    }

    void progress()
    {
        QFETCH(QByteArray, chunk);
        QFETCH(double, duration);
        QFETCH(std::optional<double>, percent);
        QCOMPARE(progressPercent(chunk, duration), percent);
    }

    void timestamps()
    {
        QCOMPARE(Utils::secondsFromTimestamp(u"01:00:00.01"_s), 3600.01);
        QCOMPARE(Utils::secondsFromTimestamp(u"00:00: 4.00"_s), std::nullopt);
        QVERIFY(Utils::matches(u"([0-9"_s, u"00"_s).isEmpty());
    }

    void codecStrings()
    {
        // Read from the configuration records of real files: profile, constraint flags and level; profile, level, tier, depth.
        QTemporaryDir folder;
        const std::tuple<QString, QStringList, QString> rows[] = {
            {u"320x240"_s, {u"-c:v"_s, u"libx264"_s, u"-profile:v"_s, u"baseline"_s, u"-level"_s, u"3.0"_s}, u"avc1.42C01E"_s},
            {u"320x240"_s, {u"-c:v"_s, u"libx264"_s, u"-profile:v"_s, u"main"_s, u"-level"_s, u"3.1"_s}, u"avc1.4D401F"_s},
            {u"320x240"_s, {u"-c:v"_s, u"libx264"_s, u"-profile:v"_s, u"high"_s, u"-level"_s, u"4.0"_s}, u"avc1.640028"_s},
            {u"320x240"_s, {u"-c:v"_s, u"libx264"_s, u"-profile:v"_s, u"high"_s, u"-level"_s, u"5.1"_s}, u"avc1.640033"_s},
            {u"320x240"_s, {u"-c:v"_s, u"libsvtav1"_s, u"-preset"_s, u"12"_s}, u"av01.0.00M.08"_s},
            {u"1280x720"_s, {u"-c:v"_s, u"libsvtav1"_s, u"-preset"_s, u"12"_s}, u"av01.0.05M.08"_s}};
        for (const auto &[size, codec, expected] : rows) {
            const QString path = folder.filePath(expected + u".mp4"_s);
            runTool(MediaTools::encoderName, QStringList{u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                                         u"testsrc=size=%1:rate=30:duration=0.2"_s.arg(size)}
                                                 + codec + QStringList{u"-pix_fmt"_s, u"yuv420p"_s, path});
            QCOMPARE(videoCodecString(path), std::optional(expected));
        }
        // With audio, the AAC; no video or no MP4, nothing.
        QCOMPARE(mp4SourceType(mediaPath(u"h264-aac.mp4"_s)).value_or(QString()).section(u',', 1), u" mp4a.40.2\""_s);
        QCOMPARE(mp4SourceType(folder.filePath(u"avc1.42C01E.mp4"_s)), std::optional(u"video/mp4; codecs=\"avc1.42C01E\""_s));
        for (const QString &other : {mediaPath(u"audio-only.m4a"_s), mediaPath(u"mjpeg.mkv"_s), folder.filePath(u"missing.mp4"_s)})
            QCOMPARE(mp4SourceType(other), std::nullopt);
        // Damaged: cut anywhere, never read past its end.
        const QByteArray whole = bytesOf(folder.filePath(u"avc1.640028.mp4"_s));
        const QString file = folder.filePath(u"made.mp4"_s);
        for (qsizetype cut = 0; cut < whole.size(); cut += std::max<qsizetype>(1, whole.size() / 97)) {
            QVERIFY(writeFile(file, whole.first(cut)));
            QVERIFY(videoCodecString(file).value_or(u"avc1.640028"_s) == u"avc1.640028"_s);
        }
        // Made box by box: every profile, tier and depth of av1C; avc3; records cut short; sizes of 0
        // (to the end), 1 (64 bits follow) and less than a header; a track without its sample table.
        auto movie = [&](const char *type, const QByteArray &record) {
            return box("moov", box("trak", box("mdia", box("minf", box("stbl", box("stsd", QByteArray(8, 0)
                + box(type, QByteArray(78, 0) + record)))))));
        };
        const std::pair<QByteArray, std::optional<QString>> made[] = {
            {movie("av01", box("av1C", QByteArray::fromHex("814de000"))), u"av01.2.13H.12"_s},
            {movie("av01", box("av1C", QByteArray::fromHex("81084000"))), u"av01.0.08M.10"_s},
            {movie("avc3", box("avcC", QByteArray::fromHex("014d401f"))), u"avc1.4D401F"_s},
            {movie("avc1", box("avcC", "\x01\x4d")), {}}, {movie("av01", box("av1C", "\x81")), {}},
            {QByteArray::fromHex("00000000") + movie("avc1", box("avcC", QByteArray::fromHex("01640028"))).mid(4), u"avc1.640028"_s},
            {box("moov", QByteArray(4, 0), true), {}},
            {QByteArray::fromHex("00000004") + "moov", {}}, {box("moov", box("trak", box("mdia", {}))), {}}};
        for (const auto &[bytes, expected] : made) {
            QVERIFY(writeFile(file, bytes));
            QCOMPARE(videoCodecString(file), expected);
        }
    }

    void pages()
    {
        // Byte for byte as in tests/data/pages/, which page-validates.sh puts through the W3C's checker:
        // the minimal page with every switch; the page for visitors, with language, an escaped title,
        // a viewport, a shrinking video that plays inline when it starts by itself, and its captions.
        QCOMPARE(html5PageBytes(1920, 1080, {true, true, true, true}), dataFile(u"pages/minimal-all-switches.html"_s));
        QCOMPARE(html5PageBytes(960, 540, {}).size(), 209);
        QCOMPARE(visitorPageBytes(640, 360, {true, true, false, true}, {captioned.title, u"pt-BR"_s, {}}),
                 dataFile(u"pages/visitor-pt-BR.html"_s));
        const QByteArray page = visitorPageBytes(1280, 720, {true, true, true, true}, captioned);
        QCOMPARE(page, dataFile(u"pages/visitor-captions.html"_s));
        QVERIFY(visitorPageBytes(640, 360, {}, {u"clip"_s, QString(), {}}).startsWith("<!DOCTYPE html>\n<html>\n"));

        // The AV1 version first, each source typed with its codecs.
        PageContent typed = {u"clip"_s, u"en"_s, {}};
        typed.sources = {{u"html5video-av1.mp4"_s, u"video/mp4; codecs=\"av01.0.04M.08, mp4a.40.2\""_s},
                         {u"html5video.mp4"_s, u"video/mp4; codecs=\"avc1.64001E, mp4a.40.2\""_s}};
        QCOMPARE(visitorPageBytes(640, 480, {true, false, false, false}, typed), dataFile(u"pages/visitor-av1.html"_s));

        // An adaptive folder: the playlist on the video, which loads nothing before play, and the scripts
        // after it; the chapters and the seek bar's thumbnails as tracks after the captions.
        PageContent adaptive = captioned;
        adaptive.chapters = u"chapters.vtt"_s;
        adaptive.thumbnails = u"thumbnails.vtt"_s;
        adaptive.sources = typed.sources.mid(1);
        adaptive.playlist = AdaptiveFolder::masterPlaylistUri();
        adaptive.scripts = AdaptiveFolder::pageScripts() << WebPlayer::pageScript();
        adaptive.description = u"A walk & a \"talk\" <3"_s;
        QCOMPARE(visitorPageBytes(1280, 720, {true, false, false, false}, adaptive), dataFile(u"pages/visitor-adaptive.html"_s));

        // The page's description: the source's own in either case of its tag name, whitespace simplified.
        const std::pair<const char *, std::optional<QString>> descriptions[] = {
            {R"({"format": {"tags": {"description": "A walk", "comment": "Made by me"}}})", u"A walk"_s},
            {R"({"format": {"tags": {"DESCRIPTION": " Line one\n line two "}}})", u"Line one line two"_s},
            {R"({"format": {"tags": {"synopsis": "Plot", "comment": "Other"}}})", u"Plot"_s},
            {R"({"format": {"tags": {"COMMENT": "Shot at dawn"}}})", u"Shot at dawn"_s},
            {R"({"format": {"tags": {"description": "  ", "title": "Title"}}})", std::nullopt},
            {R"({"format": {}})", std::nullopt}};
        for (const auto &[answer, expected] : descriptions)
            QCOMPARE(sourceDescription(JSON::fromBytes(answer).value_or(JSON())), expected);

        QTemporaryDir folder;
        QVERIFY(writeFileAtomically(folder.filePath(u"page.html"_s), page));
        QCOMPARE(folderEntryNames(folder.path()), QStringList{u"page.html"_s});
        QVERIFY(!writeFileAtomically(folder.filePath(u"missing/page.html"_s), page));
    }

    void adaptiveLadder_data()
    {
        QTest::addColumn<FrameSize>("top");
        QTest::addColumn<double>("kilobits");
        QTest::addColumn<double>("seconds"); // below 0: unknown
        QTest::addColumn<bool>("audio");
        QTest::addColumn<QString>("skipped");
        QTest::newRow("720p talk") << FrameSize{1280, 720} << 4100.0 << 66.0 << true << QString();
        QTest::newRow("480p at the lowest rate, just long enough") << FrameSize{854, 480} << 300.0 << 30.0 << true << QString();
        QTest::newRow("portrait phone, no audio") << FrameSize{720, 1280} << 2500.0 << 45.0 << false << QString();
        QTest::newRow("4:3 PAL, odd sides scaled") << FrameSize{768, 576} << 900.0 << 79.5 << true << QString();
        QTest::newRow("smallest frame") << FrameSize{320, 180} << 800.0 << 40.0 << true << QString();
        QTest::newRow("too short") << FrameSize{1280, 720} << 4000.0 << 29.9 << true << u"adaptiveTooShort"_s;
        QTest::newRow("unknown duration") << FrameSize{1280, 720} << 4000.0 << -1.0 << true << u"adaptiveTooShort"_s;
        QTest::newRow("too low a rate") << FrameSize{1280, 720} << 299.0 << 60.0 << true << u"adaptiveTooLow"_s;
        QTest::newRow("too small a frame") << FrameSize{320, 176} << 800.0 << 60.0 << true << u"adaptiveTooSmall"_s;
    }

    void adaptiveLadder()
    {
        QFETCH(FrameSize, top);
        QFETCH(double, kilobits);
        QFETCH(double, seconds);
        QFETCH(bool, audio);
        QFETCH(QString, skipped);
        const AdaptiveLadder::Plan plan = AdaptiveLadder::plan(top, kilobits, seconds < 0 ? std::nullopt : std::optional(seconds), audio);
        QCOMPARE(plan.skipCode, skipped);
        QCOMPARE(plan.skipReason.isEmpty(), skipped.isEmpty());
        if (!skipped.isEmpty()) {
            QVERIFY(plan.lower.isEmpty());
            return;
        }
        // Three to five qualities with the top, each smaller and cheaper than the one above, even, in the source's shape;
        // the lowest at most 0.15 of the top's rate; mono where the sound's share is small.
        QVERIFY(plan.lower.size() >= 2 && plan.lower.size() <= 4);
        FrameSize above = top;
        double aboveKilobits = kilobits;
        for (const AdaptiveLadder::Quality &quality : plan.lower) {
            const double total = quality.videoKilobits + quality.audioKilobits;
            QVERIFY(quality.frame.width < above.width && quality.frame.height < above.height);
            QVERIFY(quality.frame.width % 2 == 0 && quality.frame.height % 2 == 0);
            QCOMPARE_LT(std::abs(double(quality.frame.width) / double(quality.frame.height) - double(top.width) / double(top.height)),
                        0.02 * double(top.width) / double(top.height));
            QVERIFY(total < aboveKilobits && quality.videoKilobits > 0);
            QCOMPARE(quality.name, QString::number(quality.frame.height) + u'p');
            QCOMPARE(quality.audioChannels, !audio ? 0 : quality.audioKilobits < 80 ? 1 : 2);
            QVERIFY(!audio || (quality.audioKilobits >= 24 && quality.audioKilobits <= 128));
            above = quality.frame;
            aboveKilobits = total;
        }
        QCOMPARE_LE(aboveKilobits, 0.15 * kilobits);
        // Key frames every four seconds at the frame rate, 30 frames a second when it is unknown or absurd.
        QCOMPARE(AdaptiveLadder::keyFrameInterval(29.97), 120);
        QCOMPARE(AdaptiveLadder::keyFrameInterval(std::nullopt), 120);
        QCOMPARE(AdaptiveLadder::keyFrameInterval(1000.0), 120);
        QCOMPARE(AdaptiveLadder::keyFrameInterval(0.1), 1);
    }

    void hlsPlaylists()
    {
        // Segments of 4 s and a short last one; the target is the longest rounded.
        const FragmentIndex index{798, {{1078, 40000, 4.0}, {41078, 60000, 4.0}, {101078, 5000, 0.5}}};
        QCOMPARE(HlsPlaylist::mediaPlaylist(u"../html5video.mp4"_s, index),
                 "#EXTM3U\n#EXT-X-VERSION:7\n#EXT-X-INDEPENDENT-SEGMENTS\n#EXT-X-TARGETDURATION:4\n#EXT-X-PLAYLIST-TYPE:VOD\n"
                 "#EXT-X-MEDIA-SEQUENCE:0\n#EXT-X-MAP:URI=\"../html5video.mp4\",BYTERANGE=\"798@0\"\n"
                 "#EXTINF:4.000000,\n#EXT-X-BYTERANGE:40000@1078\n../html5video.mp4\n"
                 "#EXTINF:4.000000,\n#EXT-X-BYTERANGE:60000@41078\n../html5video.mp4\n"
                 "#EXTINF:0.500000,\n#EXT-X-BYTERANGE:5000@101078\n../html5video.mp4\n#EXT-X-ENDLIST\n");
        // The peak is the costliest segment's rate (the short last one here), the average all segments' over all time.
        QCOMPARE(HlsPlaylist::bitsPerSecond(index), std::pair(qint64(120000), qint64(std::ceil(105000 * 8 / 8.5))));
        QCOMPARE(HlsPlaylist::bitsPerSecond(FragmentIndex{}), std::pair(qint64(0), qint64(0)));
        // A segment of 4.6 s: the target rounds up to 5, as every rounded length must fit it.
        QVERIFY(HlsPlaylist::mediaPlaylist(u"a.mp4"_s, {10, {{10, 5, 4.6}}}).contains("#EXT-X-TARGETDURATION:5\n"));

        // The master lists the lowest first, each with both rates, its frame, its frame rate to three places
        // (none when unknown) and its codecs as we read them.
        const QList<HlsPlaylist::Variant> variants = {
            {u"204p.m3u8"_s, 127450, 104184, {272, 204}, 29.97002997, {u"avc1.64000D"_s, u"mp4a.40.2"_s}},
            {u"576p.m3u8"_s, 957570, 806851, {768, 576}, std::nullopt, {u"avc1.64001F"_s}}};
        QCOMPARE(HlsPlaylist::masterPlaylist(variants),
                 "#EXTM3U\n#EXT-X-VERSION:7\n#EXT-X-INDEPENDENT-SEGMENTS\n"
                 "#EXT-X-STREAM-INF:BANDWIDTH=127450,AVERAGE-BANDWIDTH=104184,RESOLUTION=272x204,FRAME-RATE=29.970,"
                 "CODECS=\"avc1.64000D,mp4a.40.2\"\n204p.m3u8\n"
                 "#EXT-X-STREAM-INF:BANDWIDTH=957570,AVERAGE-BANDWIDTH=806851,RESOLUTION=768x576,CODECS=\"avc1.64001F\"\n576p.m3u8\n");
    }

    void captionsAndLanguages()
    {
        const std::pair<QString, std::optional<QString>> tags[] = {{u"eng"_s, u"en"_s}, {u"pt-BR"_s, u"pt-BR"_s},
            {u"por_br"_s, u"pt-BR"_s}, {u"spa-419"_s, u"es-419"_s}, {u"und"_s, {}}, {QString(), {}}};
        for (const auto &[code, tag] : tags)
            QCOMPARE(languageTag(code), tag);
        // Text subtitles become captions, pictures do not; a second language twin is numbered.
        const QList<CaptionTrack> expected = {
            {2, u"captions.en.vtt"_s, u"en"_s, u"English"_s, false},
            {4, u"captions.und.vtt"_s, u"und"_s, u"Captions"_s, false},
            {5, u"captions.en.2.vtt"_s, u"en"_s, u"English 2"_s, false},
            {6, u"captions.fr.vtt"_s, u"fr"_s, u"French"_s, false},
            {8, u"captions.und.2.vtt"_s, u"und"_s, u"Captions 2"_s, false}, // MicroDVD; not TTML, which FFmpeg cannot read
        };
        // Stream 6 is marked default, but only the first may be.
        QCOMPARE(captionTracks(JSON::fromBytes(dataFile(u"answers/subtitle-kinds.json"_s)).value_or(JSON())), expected);
    }

    void captionsOfAPart()
    {
        // Kept from 1:00.5 to 1:10: a note kept, a cue across each cut clipped, cues outside dropped, settings kept.
        const QByteArray whole = "WEBVTT\r\n\r\nNOTE made here\r\n\r\n00:59.000 --> 01:00.000\r\nBefore\r\n\r\n"
                                 "1\r\n01:00.000 --> 01:01.500 align:start\r\nAcross the start\r\n\r\n"
                                 "01:05.000 --> 01:05.250\r\nInside --> out\n\n\n01:09.000 --> 1:00:00.000\nAcross the end\n\n"
                                 "01:10.000 --> 01:11.000\nAfter\n\nbad --> times\nKept as written\n";
        QCOMPARE(trimmedCaptions(whole, 60.5, 70),
                 QByteArray("WEBVTT\n\nNOTE made here\n\n1\n00:00:00.000 --> 00:00:01.000 align:start\nAcross the start\n\n"
                            "00:00:04.500 --> 00:00:04.750\nInside --&gt; out\n\n00:00:08.500 --> 00:00:09.500\nAcross the end\n\n"
                            "bad --> times\nKept as written\n"));
        // A whole video's captions: the same bytes where nothing needs it, an arrow in a cue's text escaped.
        const QByteArray plain = "WEBVTT\n\n00:01.000 --> 00:02.000\nHello\n";
        QCOMPARE(safeCaptions(plain), plain);
        QCOMPARE(safeCaptions("WEBVTT\n\n00:01.000 --> 00:02.000\nA --> B\n"), QByteArray("WEBVTT\n\n00:01.000 --> 00:02.000\nA --&gt; B\n"));
    }

    void loudnessDecisions()
    {
        using namespace Loudness;
        QVERIFY(!parseSummary(u"t: 0.1 I: -20.0 LUFS"_s)); // a running line, no summary
        const std::optional<Measure> silence = parseSummary(u"Summary:\n I:  -70.0 LUFS\n Peak:   -inf dBFS\n"_s);
        QVERIFY(silence && !firstCorrection(*silence));
        QCOMPARE(firstCorrection({-30, -12})->gain, 14.0);
        // Close enough with peaks kept: done. Too quiet after the limiter: more gain. Peaks over: a lower limit too.
        QVERIFY(!nextCorrection({14, -2}, {-16.4, -3}));
        QCOMPARE(nextCorrection({14, -2}, {-17.5, -3})->gain, 15.5);
        const Correction peaks = *nextCorrection({14, -2}, {-16.2, -0.2});
        QVERIFY(std::abs(peaks.gain - 14.2) < 1e-9 && std::abs(peaks.limit + 3.1) < 1e-9);
        QCOMPARE(filters({3.456, -2}, 96000), u"volume=3.46dB,alimiter=limit=0.7943:attack=5:release=50:level=false:latency=true,aresample=48000"_s);
        QVERIFY(!filters({-40, -60}, 44100).contains(u"aresample"_s) && filters({-40, -60}, 44100).contains(u"limit=0.0625"_s));
        // The exact size's follow-up: none when unmeasured or after two corrections, the last one staying.
        QCOMPARE(followUp({14, -2}, Measure{-17.5, -3}, 1)->gain, 15.5);
        QVERIFY(!followUp({14, -2}, Measure{-17.5, -3}, 2) && !followUp({14, -2}, std::nullopt, 0));
        // The step object over them: the source's measure, then the audio's, two corrections at most.
        Runs runs(96000);
        QCOMPARE(runs.sourceMeasured(Measure{-30, -12})->section(u',', 0, 0), u"volume=14.0dB"_s);
        QVERIFY(runs.isCorrecting());
        QVERIFY(runs.audioMeasured(Measure{-17.5, -3})->startsWith(u"volume=15.5dB,"_s));
        QVERIFY(runs.audioMeasured(Measure{-17, -3})->endsWith(u"aresample=48000"_s));
        QVERIFY(!runs.audioMeasured(Measure{-16.8, -3})); // the last one stays
        Runs silent(std::nullopt);
        QVERIFY(!silent.sourceMeasured(*silence) && !silent.isCorrecting() && !silent.audioMeasured(Measure{-20, -3}));
    }

    void folderVerdicts_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("encoderEndedNormally");
        QTest::addColumn<QStringList>("written"); // beside the video
        QTest::addColumn<QString>("reason");      // none: success
        const QStringList complete = {u"poster.jpg"_s, u"html5video.mp4"_s, u"html5Video.html"_s};
        const QStringList captions = {u"captions.en.vtt"_s, u"captions.de.vtt"_s};
        QTest::newRow("complete") << complete << true << QStringList() << QString();
        QTest::newRow("the encoder stopped") << complete << false << QStringList() << u"The encoder stopped before the video was complete."_s;
        QTest::newRow("no video") << QStringList{u"html5Video.html"_s, u"poster.jpg"_s} << true << QStringList() << u"The encoder wrote no video."_s;
        QTest::newRow("no poster") << QStringList{u"html5Video.html"_s, u"html5video.mp4"_s} << true << QStringList()
                                   << u"No poster frame could be taken from the video."_s;
        QTest::newRow("a stranger in place of the page") << QStringList{u"html5video.mp4"_s, u"poster.jpg"_s, u"notes.txt"_s} << true
                                                         << QStringList() << u"The page could not be written."_s;
        QTest::newRow("a stranger video beside") << complete + QStringList{u"bad.mp4"_s} << true << QStringList()
                                                 << u"The folder holds files the export did not write: bad.mp4"_s;
        QTest::newRow("a hidden stranger") << complete + QStringList{u".DS_Store"_s} << true << QStringList()
                                           << u"The folder holds files the export did not write: .DS_Store"_s;
        QTest::newRow("empty") << QStringList() << true << QStringList() << u"The encoder wrote no video."_s;
        QTest::newRow("with captions") << complete + captions << true << captions << QString();
        QTest::newRow("a caption missing") << complete + captions.first(1) << true << captions
                                           << u"The caption file captions.de.vtt could not be written."_s;
        QTest::newRow("captions not written by it") << complete + captions << true << QStringList()
                                                    << u"The folder holds files the export did not write: captions.en.vtt, captions.de.vtt"_s;
        QTest::newRow("a stranger in place of a caption") << complete + QStringList{u"captions.en.vtt"_s, u"notes.vtt"_s} << true << captions
                                                          << u"The caption file captions.de.vtt could not be written."_s;
        QTest::newRow("the AV1 version that does not play") << complete + QStringList{u"bad.mp4"_s} << true << QStringList{u"bad.mp4"_s}
                                                            << u"The video written cannot be played."_s;
    }

    void folderVerdicts()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, encoderEndedNormally);
        QFETCH(QStringList, written);
        QFETCH(QString, reason);
        const FolderVerdict verdict = judgeFolder(u"/out"_s, names, encoderEndedNormally,
                                                  [](const QString &path) { return !path.endsWith(u"bad.mp4"); }, written);
        QCOMPARE(verdict.success, reason.isEmpty());
        QCOMPARE(verdict.entries.size(), names.size());
        if (!verdict.success)
            QCOMPARE(failureReason(names, written, encoderEndedNormally, QString()).text, reason);
    }

    void failureCauses()
    {
        const QStringList complete = {u"poster.jpg"_s, u"html5video.mp4"_s, u"html5Video.html"_s};
        // Three entries, none of them a video; a video that does not play; the encoder's own last words.
        QVERIFY(!judgeFolder(u"/out"_s, {u"html5Video.html"_s, u"poster.jpg"_s, u"video.MP4"_s}, true, {}).success);
        QVERIFY(!judgeFolder(u"/out"_s, {u"html5Video.html"_s, u"bad.mp4"_s, u"poster.jpg"_s}, true,
                             [](const QString &) { return false; }).success);
        QCOMPARE(failureReason(complete, {}, true, QString()).text, u"The video written cannot be played."_s);
        QCOMPARE(failureReason(complete, {}, false, u"No space left on device"_s).text, u"The encoder stopped:\nNo space left on device"_s);

        // After the fact: the first cause a user can act on, then what the folder lacks.
        FailureFacts facts;
        facts.sourcePath = u"/videos/clip.mp4"_s;
        facts.folder = u"/out"_s;
        facts.names = {u"html5Video.html"_s, u"html5video.mp4"_s};
        facts.videoBytes = 212'992;
        const std::tuple<std::function<void(FailureFacts &)>, QString, QString> causes[] = {
            {[](FailureFacts &f) { f.sourceReadable = false; }, u"“clip.mp4” was moved, renamed or deleted while it was exported."_s,
             u"sourceGone"_s},
            {[](FailureFacts &f) { f.freeBytes = 288'000; f.neededBytes = 2'100'000; },
             u"The disk is full: 288.0 kB free, and this export needs about 2.1 MB."_s, u"diskFull"_s},
            {[](FailureFacts &f) { f.encoderMessage = u"html5video.mp4: Read-only file system"_s; }, u"The folder /out cannot be written."_s,
             u"folderUnwritable"_s},
            {[](FailureFacts &f) { f.encoderMessage = u"html5video.mp4: Permission denied"_s; }, u"The folder /out cannot be written."_s,
             u"folderUnwritable"_s},
            {[](FailureFacts &f) { f.encoderMessage = u"Conversion failed!"_s; }, u"The encoder stopped:\nConversion failed!"_s,
             u"encoderStopped"_s}};
        for (const auto &[change, cause, code] : causes) {
            FailureFacts changed = facts;
            change(changed);
            const Failure failure = explainFailure(changed);
            QVERIFY2(failure.text.startsWith(cause) && failure.code == code, qPrintable(failure.code + u' ' + failure.text));
            QVERIFY(failure.text.endsWith(u"In the folder /out: html5video.mp4 (213.0 kB) is incomplete: no player can open it. Missing: poster.jpg."_s));
        }
        // A source still there but unreadable; a cut-short video named as such; caption files missing.
        FailureFacts other = facts;
        other.sourcePath = mediaPath(u"h264-aac.mp4"_s);
        other.sourceReadable = false;
        QVERIFY(explainFailure(other).text.startsWith(u"“h264-aac.mp4” could no longer be read while it was exported."_s));
        other = facts;
        other.sourceEndedEarly = true;
        other.sourceSeconds = 15.2;
        other.videoSeconds = 5.4;
        other.besideVideo = {u"captions.en.vtt"_s};
        QCOMPARE(explainFailure(other).text, u"“clip.mp4” cannot be read past 0:05.4 of its 0:15.2: the file is cut short, as an unfinished "
                                        "copy or download is. A complete copy of it will export.\n\nIn the folder /out: "
                                        "html5video.mp4 holds only the first 0:05.4. Missing: poster.jpg, captions.en.vtt."_s);
        other.names.clear();
        QVERIFY(!explainFailure(other).text.contains(u"In the folder"_s));

        // Cut short only when the source says so and more than a second or 2 % is missing.
        facts.sourceEndedEarly = true;
        QVERIFY(!isCutShort(facts)); // no duration to fall short of
        facts.sourceSeconds = 60;
        for (const auto &[seconds, cutShort] : {std::pair(58.7, true), std::pair(58.9, false)}) {
            facts.videoSeconds = seconds;
            QCOMPARE(isCutShort(facts), cutShort);
        }

        // A video plays when the prober finds an H.264 stream in it that decodes.
        QTemporaryDir folder;
        const QByteArray whole = bytesOf(mediaPath(u"h264-aac.mp4"_s));
        QVERIFY(writeFile(folder.filePath(u"truncated.mp4"_s), whole.first(whole.size() / 3)));
        QVERIFY(isPlayableVideo(mediaPath(u"h264-aac.mp4"_s)));
        for (const QString &path : {folder.filePath(u"truncated.mp4"_s), mediaPath(u"audio-only.m4a"_s),
                                    mediaPath(u"mjpeg.mkv"_s), folder.filePath(u"missing.mp4"_s)})
            QVERIFY2(!isPlayableVideo(path), qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(TestExportCore)
#include "tst_exportcore.moc"
