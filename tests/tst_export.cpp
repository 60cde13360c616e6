#include "apptesting.h"
#include "app/outputfolderdialog.h"
#include "app/userdefaults.h"
#include "common/diagnostics.h"
#include "export/htmlpage.h"
#include "export/outputsettings.h"
#include "export/posterframe.h"
#include "json/json.h"
#include "tools/mediatools.h"

#include <QCryptographicHash>
#include <algorithm>
#include <QtEndian>
#include <QDesktopServices>
#include <QFile>
#include <QApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QListView>
#include <QTimer>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QByteArray sha256(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The prober's view of the exported video's streams.
JSON probeStreams(const QString &path)
{
    QProcess prober;
    prober.start(*MediaTools::resourcePath(MediaTools::proberName),
                 {u"-v"_s, u"quiet"_s, u"-print_format"_s, u"json"_s, u"-show_streams"_s, path});
    prober.waitForFinished(30'000);
    return JSON::fromBytes(prober.readAllStandardOutput()).value_or(JSON());
}

// The types of the top-level boxes of an MP4 file, in file order.
QStringList topLevelBoxes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QStringList boxes;
    while (!file.atEnd()) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            break;
        quint64 size = qFromBigEndian<quint32>(header.constData());
        qint64 headerSize = 8;
        if (size == 1) {
            size = qFromBigEndian<quint64>(file.read(8).constData());
            headerSize = 16;
        }
        boxes << QString::fromLatin1(header.mid(4, 4));
        if (size == 0 || !file.seek(file.pos() - headerSize + qint64(size)))
            break;
    }
    return boxes;
}

QStringList entryNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs the real encoder to its end; its standard output, or its standard error when asked.
QByteArray runEncoder(const QStringList &arguments, bool standardError = false)
{
    QProcess encoder;
    encoder.start(*MediaTools::resourcePath(MediaTools::encoderName), arguments);
    encoder.waitForFinished(60'000);
    return standardError ? encoder.readAllStandardError() : encoder.readAllStandardOutput();
}

// The structural similarity of two pictures (1 for the same), as FFmpeg measures it.
double ssim(const QString &picture, const QString &reference)
{
    const QByteArray report = runEncoder({u"-i"_s, picture, u"-i"_s, reference, u"-lavfi"_s, u"ssim"_s,
                                          u"-f"_s, u"null"_s, u"-"_s}, true);
    const qsizetype at = report.lastIndexOf("All:");
    return at < 0 ? 0 : report.mid(at + 4).split(' ').first().toDouble();
}

// How colourful a picture is: the mean of max - min over the RGB of its pixels,
// as a screen without HDR shows it.
double colourfulness(const QString &picture, double seconds = 0)
{
    // No seek at all for a still: FFmpeg finds no frame at 0 s in a JPEG.
    const QStringList seek = seconds > 0 ? QStringList{u"-ss"_s, QString::number(seconds)} : QStringList();
    const QByteArray pixels = runEncoder(QStringList{u"-v"_s, u"error"_s} + seek
                                         + QStringList{u"-i"_s, picture, u"-frames:v"_s, u"1"_s, u"-vf"_s,
                                                       u"format=rgb24"_s, u"-f"_s, u"rawvideo"_s, u"-"_s});
    double sum = 0;
    for (qsizetype i = 0; i + 2 < pixels.size(); i += 3) {
        const auto [low, high] = std::minmax({quint8(pixels[i]), quint8(pixels[i + 1]), quint8(pixels[i + 2])});
        sum += high - low;
    }
    return pixels.isEmpty() ? 0 : sum / double(pixels.size() / 3);
}

void clickButton(QMessageBox *box, const QString &text)
{
    QVERIFY(box);
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == text)
            return button->click();
    }
    QFAIL(qPrintable(u"no button "_s + text));
}

} // namespace

// Records what the application hands to the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

class TestExport : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        usePrivateSettingsStore();
        // A temporary directory of its own, so that leftovers found there are this test's.
        static QTemporaryDir temporary;
        qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    }

private Q_SLOTS:
    void init();
    void exportsAWholeFolder();
    void captions();
    void sharpPoster();
    void exactSize_data();
    void exactSize();
    void exactSizeRunsAndCancels();
    void hdrToSdr();
    void fastStart();
    void browserSafePixels_data();
    void browserSafePixels();
    void failures();
    void saveDialog();

private:
    QTemporaryDir m_out;
};

void TestExport::init()
{
    qunsetenv(MediaTools::resourcesVariable);
}

void TestExport::exportsAWholeFolder()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    const QString source = mediaPath(u"h264-aac.mp4"_s);
    const QByteArray sourceHash = sha256(source);
    QVERIFY(openAndWait(delegate, source));
    delegate.outputResolutionSlider->setValue(50);
    delegate.userDefaults->setValue(u"controlsParam"_s, true);
    delegate.userDefaults->setValue(u"loopParam"_s, false);

    // An existing folder of that name is replaced, contents and all.
    const QString folder = m_out.filePath(u"HTML5Video"_s);
    QDir().mkpath(folder + u"/old"_s);
    QVERIFY(exportAndWait(delegate, folder));

    QCOMPARE(entryNames(folder), (QStringList{u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s}));
    QFile page(folder + u"/html5Video.html"_s);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QCOMPARE(page.readAll(), visitorPageBytes(160, 120, {true, false, false, false}, {u"h264-aac"_s, {}, {}}));
    QCOMPARE(QImageReader(folder + u"/poster.jpg"_s).size(), QSize(160, 120));

    const JSON streams = probeStreams(folder + u"/html5video.mp4"_s)[u"streams"];
    QCOMPARE(streams[0][u"codec_name"].stringValue(), u"h264"_s);
    QCOMPARE(streams[0][u"width"].numberValue().toInt64(), 160);
    QCOMPARE(streams[0][u"height"].numberValue().toInt64(), 120);
    QCOMPARE(streams[1][u"codec_name"].stringValue(), u"aac"_s);
    QCOMPARE(streams[1][u"channels"].numberValue().toInt64(), 2);

    QMessageBox *alert = takeAlert(delegate);
    QVERIFY(alert);
    QCOMPARE(alert->text(), u"HTML5 Video created Successfully!"_s);
    QCOMPARE(alert->informativeText(), folder);
    QCOMPARE(alert->icon(), QMessageBox::Information);
    QCOMPARE(alert->buttons().size(), 3);
    QVERIFY(!delegate.progressWindow->isVisible());
    // "Open in Browser" hands the page to the default browser.
    UrlRecorder opened;
    QDesktopServices::setUrlHandler(u"file"_s, &opened, "open");
    clickButton(alert, u"Open in Browser"_s);
    QCOMPARE(opened.urls, QList{QUrl::fromLocalFile(folder + u"/html5Video.html"_s)});

    // The settings stay for another export at once; the source is untouched.
    QCOMPARE(delegate.outputResolutionSlider->value(), 50);
    QVERIFY(delegate.saveToolBarBTN->isEnabled());
    QCOMPARE(sha256(source), sourceHash);

    // The minimal page is one switch away, byte for byte.
    delegate.userDefaults->setValue(u"minimalPageParam"_s, true);
    QVERIFY(exportAndWait(delegate, folder));
    // "Show in Folder" shows the folder (with the page selected where a file manager answers).
    clickButton(takeAlert(delegate), u"Show in Folder"_s);
    QTRY_COMPARE_WITH_TIMEOUT(opened.urls.size(), 2, 10'000); // after the file manager's silence, if a bus is up
    QDesktopServices::unsetUrlHandler(u"file"_s);
    QCOMPARE(opened.urls.last(), QUrl::fromLocalFile(folder));
    QFile minimal(folder + u"/html5Video.html"_s);
    QVERIFY(minimal.open(QIODevice::ReadOnly));
    QCOMPARE(minimal.readAll(), html5PageBytes(160, 120, {true, false, false, false}));
    delegate.userDefaults->setValue(u"minimalPageParam"_s, QVariant());
}

void TestExport::captions()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"captions.mkv"_s)));
    const QString folder = m_out.filePath(u"captioned"_s);
    QCOMPARE(exportAndWait(delegate, folder), std::optional(true)); // the folder check counts them in
    QMessageBox *alert = takeAlert(delegate);
    QVERIFY(alert && alert->informativeText().contains(u"web site"));
    alert->close();
    QCOMPARE(entryNames(folder), (QStringList{u"captions.de.vtt"_s, u"captions.en.vtt"_s, u"html5Video.html"_s,
                                              u"html5video.mp4"_s, u"poster.jpg"_s}));
    for (const QString &name : {u"captions.en.vtt"_s, u"captions.de.vtt"_s}) {
        QFile caption(folder + u'/' + name);
        QVERIFY(caption.open(QIODevice::ReadOnly));
        const QByteArray text = caption.readAll();
        QVERIFY2(text.startsWith("WEBVTT") && text.contains("Bonjour"), text.constData());
    }
    QFile page(folder + u"/html5Video.html"_s);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray html = page.readAll();
    QVERIFY(html.contains("<track kind=\"captions\" src=\"captions.en.vtt\" srclang=\"en\" label=\"English\" default>"));
    QVERIFY(html.contains("<track kind=\"captions\" src=\"captions.de.vtt\" srclang=\"de\" label=\"German\">"));

    // A cancelled export takes its caption files away with the folder.
    delegate.prepareOutputFolder(folder);
    delegate.closeBTNInsideProgressWindowClicked();
    QVERIFY(QTest::qWaitFor([&] { return !delegate.isBusy(); }, 30'000));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestExport::exactSize_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("percent");
    for (const QString &source : {u"noisy.mp4"_s, u"quiet-mono.mp4"_s, u"vfr.mp4"_s}) {
        for (int percent : {100, 50, 25})
            QTest::addRow("%s at %d %%", qPrintable(source), percent) << source << percent;
    }
}

void TestExport::exactSize()
{
    QFETCH(QString, source);
    QFETCH(int, percent);
    QStringList diagnostics;
    setDiagnosticSink([&diagnostics](const QString &line) { diagnostics << line; });
    const auto restore = qScopeGuard([] { setDiagnosticSink({}); });

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(source)));
    delegate.outputFileSizeSlider->setValue(percent);
    const QString folder = m_out.filePath(u"exact"_s);
    QCOMPARE(exportAndWait(delegate, folder), std::optional(true));
    answerAlert(delegate);

    // Within the label's bytes: at most 2 % above, and at most 10 % below unless the encoder says it could spend no more.
    const double label = double(targetSizeBytes(*delegate.globalFP->fileSize, percent));
    const double written = double(QFileInfo(folder + u"/html5video.mp4"_s).size());
    const QString ratio = u"%1 of %2 bytes: %3"_s.arg(written).arg(label).arg(written / label);
    qInfo("%s", qPrintable(ratio));
    QVERIFY2(written <= 1.02 * label, qPrintable(ratio));
    const bool ceiling = diagnostics.filter(u"quality ceiling"_s).size() == 1;
    QVERIFY2(written >= 0.9 * label || ceiling, qPrintable(ratio));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3); // no pass log or temporary file in it
    const qsizetype runs = diagnostics.filter(u"Encoder arguments"_s).size();
    QVERIFY(runs == 2 || runs == 3); // analysis and final pass, and one more where the final pass missed
}

// The private temporary files of exports (pass logs, audio), wherever they are left.
QStringList exportLeftovers()
{
    QStringList found;
    for (const QFileInfo &folder : QDir(QDir::tempPath()).entryInfoList({u"videofold-*"_s}, QDir::Dirs)) {
        for (const QString &name : QDir(folder.filePath()).entryList(QDir::Files)) {
            if (name.startsWith(u"pass") || name == u"audio.m4a" || name == u"analysis.mp4")
                found << folder.filePath() + u'/' + name;
        }
    }
    return found;
}

void TestExport::exactSizeRunsAndCancels()
{
    QStringList diagnostics;
    setDiagnosticSink([&diagnostics](const QString &line) { diagnostics << line; });
    const auto restore = qScopeGuard([] { setDiagnosticSink({}); });
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
    const QString folder = m_out.filePath(u"runs"_s);
    QSignalSpy finished(&delegate, &AppDelegate::exportFinished);

    // Cancel in the analysis and in the final pass: the folder and the temporary files go.
    for (int cancelAbove : {5, 60}) {
        delegate.prepareOutputFolder(folder);
        QVERIFY(QTest::qWaitFor([&] { return delegate.progressBar->value() > cancelAbove; }, 60'000));
        QVERIFY(delegate.progressBar->value() <= 100);
        delegate.closeBTNInsideProgressWindowClicked();
        QVERIFY(finished.wait(30'000));
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY2(exportLeftovers().isEmpty(), qPrintable(exportLeftovers().join(u' ')));
        QVERIFY(!encoderRunning(delegate));
    }
    QVERIFY(diagnostics.filter(u"-pass 2"_s).size() >= 1);

    // "Faster export (approximate size)": the one run of old, its arguments as they were.
    delegate.userDefaults->setValue(u"approximateSizeParam"_s, true);
    delegate.outputResolutionSlider->setValue(25);
    delegate.outputFileSizeSlider->setValue(10);
    diagnostics.clear();
    QCOMPARE(exportAndWait(delegate, folder), std::optional(true));
    answerAlert(delegate);
    const QStringList runs = diagnostics.filter(u"Encoder arguments"_s);
    QCOMPARE(runs.size(), 1);
    QVERIFY(!runs.first().contains(u"-pass"));
    QVERIFY(exportLeftovers().isEmpty());
    delegate.userDefaults->setValue(u"approximateSizeParam"_s, QVariant());
}

void TestExport::sharpPoster()
{
    // The poster is the frame taken at the output size, not the preview stretched to it.
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    const QString source = mediaPath(u"sharp1080.mp4"_s);
    QVERIFY(openAndWait(delegate, source));
    const QString folder = m_out.filePath(u"sharp"_s);
    QCOMPARE(exportAndWait(delegate, folder), std::optional(true));
    answerAlert(delegate);
    const QString poster = folder + u"/poster.jpg"_s;
    QCOMPARE(QImageReader(poster).size(), QSize(1920, 1080));
    const QString reference = m_out.filePath(u"reference.png"_s);
    const double seconds = PosterFrame::positionSeconds(delegate.globalFP->duration, 50);
    runEncoder({u"-v"_s, u"error"_s, u"-ss"_s, PosterFrame::seekText(seconds), u"-i"_s, source, u"-vf"_s,
                u"scale=1920:1080,setsar=1:1"_s, u"-frames:v"_s, u"1"_s, u"-y"_s, reference});
    const double similarity = ssim(poster, reference);
    QVERIFY2(similarity >= 0.98, qPrintable(QString::number(similarity)));
}

void TestExport::hdrToSdr()
{
    // HLG and PQ from a phone: SDR BT.709 video and poster, as colourful as the same picture made in SDR.
    const double sdr = colourfulness(mediaPath(u"sdr.mp4"_s), 0.5);
    QVERIFY(sdr > 100);
    for (const QString &name : {u"hlg.mp4"_s, u"pq.mp4"_s}) {
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        QVERIFY(openAndWait(delegate, mediaPath(name)));
        QVERIFY2(colourfulness(mediaPath(name), 0.5) < 0.5 * sdr, "the source looks washed out on SDR");
        const QString folder = m_out.filePath(u"sdr-"_s + name);
        QCOMPARE(exportAndWait(delegate, folder), std::optional(true));
        answerAlert(delegate);
        const JSON video = probeStreams(folder + u"/html5video.mp4"_s)[u"streams"][0];
        QCOMPARE(video[u"pix_fmt"].stringValue(), u"yuv420p"_s);
        for (const char16_t *key : {u"color_transfer", u"color_primaries", u"color_space"})
            QCOMPARE(video[key].stringValue(), u"bt709"_s);
        const double exported = colourfulness(folder + u"/html5video.mp4"_s, 0.5);
        QVERIFY2(exported > 0.6 * sdr, qPrintable(name + u": "_s + QString::number(exported)));
        const double poster = colourfulness(folder + u"/poster.jpg"_s);
        QVERIFY2(poster > 0.6 * sdr, qPrintable(name + u" poster: "_s + QString::number(poster)));
    }
}

void TestExport::fastStart()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    for (bool on : {false, true}) {
        delegate.userDefaults->setValue(u"fastStartParam"_s, on);
        const QString folder = m_out.filePath(on ? u"fast"_s : u"plain"_s);
        QVERIFY(exportAndWait(delegate, folder));
        if (QMessageBox *alert = takeAlert(delegate))
            alert->close();
        const QStringList boxes = topLevelBoxes(folder + u"/html5video.mp4"_s);
        QVERIFY2(boxes.contains(u"moov"_s) && boxes.contains(u"mdat"_s), qPrintable(boxes.join(u' ')));
        QCOMPARE(boxes.indexOf(u"moov"_s) < boxes.indexOf(u"mdat"_s), on);
    }
}

void TestExport::browserSafePixels_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("10-bit") << u"ten-bit.mp4"_s;
    QTest::newRow("4:4:4") << u"yuv444.mp4"_s;
    QTest::newRow("raw stream without a duration") << u"raw.h264"_s;
}

void TestExport::browserSafePixels()
{
    QFETCH(QString, file);
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(file)));
    const QString folder = m_out.filePath(file + u".out"_s);
    QVERIFY(exportAndWait(delegate, folder));
    QMessageBox *alert = takeAlert(delegate);
    QVERIFY(alert);
    QCOMPARE(alert->text(), u"HTML5 Video created Successfully!"_s);
    const JSON video = probeStreams(folder + u"/html5video.mp4"_s)[u"streams"][0];
    QCOMPARE(video[u"pix_fmt"].stringValue(), u"yuv420p"_s);
    QVERIFY((QStringList{u"High"_s, u"Main"_s, u"Baseline"_s, u"Constrained Baseline"_s})
                .contains(video[u"profile"].stringValue()));
    alert->close();
}

void TestExport::failures()
{
    // An encoder that fails, leaves a plausible file behind, and exits with an error.
    QTemporaryDir tools;
    QVERIFY(QFile::link(*MediaTools::resourcePath(MediaTools::proberName), tools.filePath(u"sniffer"_s)));
    QFile creator(tools.filePath(u"creator"_s));
    QVERIFY(creator.open(QIODevice::WriteOnly));
    creator.write("#!/bin/sh\nfor last; do :; done\necho 'time=garbage time=00:00:01.00' >&2\n"
                  "echo 'not a video' > \"$last\"\nexit 1\n");
    creator.close();
    creator.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    qputenv(MediaTools::resourcesVariable, QFile::encodeName(tools.path()));
    // In one run, so that the plausible file lands in the folder.
    delegate.userDefaults->setValue(u"approximateSizeParam"_s, true);
    const QString folder = m_out.filePath(u"failed"_s);
    QVERIFY(exportAndWait(delegate, folder));
    delegate.userDefaults->setValue(u"approximateSizeParam"_s, QVariant());
    QMessageBox *alert = takeAlert(delegate);
    QVERIFY(alert);
    QCOMPARE(alert->text(), u"Oops! Something went wrong!"_s);
    QCOMPARE(alert->informativeText(), u"Contact: support@videofold.org"_s);
    QCOMPARE(alert->icon(), QMessageBox::Critical);
    QCOMPARE(alert->buttons().size(), 1);
    QCOMPARE(entryNames(folder).size(), 3); // left in place
    alert->close();
}

void TestExport::saveDialog()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    delegate.window->show();
    delegate.saveVideoBTNClicked();
    auto *panel = delegate.window->findChild<OutputFolderDialog *>();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->windowTitle(), u"Create Folder"_s);
    QCOMPARE(panel->labelText(QFileDialog::Accept), u"Create HTML5 Video"_s);
    QCOMPARE(panel->labelText(QFileDialog::FileName), u"Named:"_s);
    QCOMPARE(panel->windowModality(), Qt::WindowModal);
    auto *name = panel->findChild<QLineEdit *>(u"fileNameEdit"_s);
    QVERIFY(name);
    QCOMPARE(name->text(), u"HTML5Video"_s);

    // Going somewhere is never a choice: a typed path of an existing folder, "." and
    // ".." move the panel, and no replacement is offered.
    QPushButton *acceptButton = nullptr;
    for (QPushButton *button : panel->findChildren<QPushButton *>()) {
        if (button->text() == u"Create HTML5 Video")
            acceptButton = button;
    }
    QVERIFY(acceptButton);
    const QString clips = m_out.filePath(u"Desktop/clips"_s);
    QDir().mkpath(clips);
    QSignalSpy accepted(panel, &QDialog::accepted);
    bool questionShown = false;
    QTimer questionGuard; // answers a question that must not come, so the test goes on to fail
    connect(&questionGuard, &QTimer::timeout, [&questionShown] {
        if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            questionShown = true;
            question->button(QMessageBox::Cancel)->click();
        }
    });
    questionGuard.start(200);
    panel->setDirectory(clips);
    for (const auto &[typed, destination] :
         {std::pair(u".."_s, m_out.filePath(u"Desktop"_s)), std::pair(clips, clips), std::pair(u"."_s, clips),
          std::pair(u"../clips/"_s, clips), std::pair(m_out.path(), m_out.path())}) {
        name->setText(typed);
        QCoreApplication::processEvents();
        QCOMPARE(acceptButton->text(), u"Create HTML5 Video"_s); // never "Open"
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY2(!questionShown, qPrintable(typed));
        QCOMPARE(panel->directory().absolutePath(), destination);
        QVERIFY(panel->isVisible());
    }
    QCOMPARE(accepted.count(), 0);

    // A double click on a folder in the list enters it.
    panel->setDirectory(m_out.filePath(u"Desktop"_s));
    auto *list = panel->findChild<QListView *>(u"listView"_s);
    QVERIFY(list);
    QModelIndex clipsIndex;
    QVERIFY(QTest::qWaitFor([&] {
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
            const QModelIndex index = list->model()->index(row, 0, list->rootIndex());
            if (index.data().toString() == u"clips")
                clipsIndex = index;
        }
        return clipsIndex.isValid();
    }, 5'000));
    const QPoint centre = list->visualRect(clipsIndex).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(panel->directory().absolutePath(), clips);
    QVERIFY(!questionShown && accepted.isEmpty());
    questionGuard.stop();

    // A plain name that exists asks first, with Cancel as the default; a name, or a
    // path whose last part is new, is chosen at once.
    const QString existing = m_out.filePath(u"<b>Existing"_s);
    QDir().mkpath(existing);
    panel->setDirectory(m_out.path());
    name->setText(u"<b>Existing"_s);
    QTimer::singleShot(500, [] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(question);
        QCOMPARE(question->defaultButton(), question->button(QMessageBox::Cancel));
        QCOMPARE(question->textFormat(), Qt::PlainText);
        question->button(QMessageBox::Cancel)->click();
    });
    panel->accept();
    QVERIFY(panel->isVisible() && accepted.isEmpty());
    QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
    name->setText(u"New/Deeper"_s);
    panel->accept();
    QCOMPARE(panel->chosenPath(), m_out.filePath(u"New/Deeper"_s));
    QCOMPARE(accepted.count(), 1);
    QVERIFY(finished.wait(60'000));
    answerAlert(delegate);

    // Agreeing to replace returns that folder.
    delegate.saveVideoBTNClicked();
    panel = delegate.window->findChild<OutputFolderDialog *>();
    QVERIFY(panel);
    name = panel->findChild<QLineEdit *>(u"fileNameEdit"_s);
    panel->setDirectory(m_out.path());
    name->setText(u"<b>Existing"_s);
    QTimer::singleShot(500, [] {
        if (auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            question->button(QMessageBox::Yes)->click();
    });
    panel->accept();
    QVERIFY(finished.wait(60'000));
    QCOMPARE(entryNames(existing).size(), 3);
    if (QMessageBox *alert = takeAlert(delegate))
        alert->close();
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
