// The export actions of the controller: the save panel, the folder, the
// encoder run and the verdict.
#include "app/appdelegate.h"

#include "app/desktopnotices.h"
#include "app/dropviews.h"
#include "app/filemanager.h"
#include "app/links.h"
#include "app/outputfolderdialog.h"
#include "app/plaintextalert.h"
#include "app/posterpreview.h"
#include "common/diagnostics.h"
#include "common/temporaryfolder.h"
#include "export/colour.h"
#include "export/encoderarguments.h"
#include "export/encoderrun.h"
#include "export/folderverdict.h"
#include "export/htmlpage.h"
#include "export/outputfolder.h"
#include "export/outputsettings.h"
#include "export/pagecontent.h"
#include "export/playability.h"
#include "export/posterframe.h"
#include "tools/mediatools.h"
#include "ui_progresssheet.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QSlider>
#include <QTemporaryDir>

void AppDelegate::askForOutputFolder()
{
    if (!globalFP || isBusy())
        return;
    auto *panel = new OutputFolderDialog(window);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::accepted, this, [this, panel] {
        if (!panel->chosenPath().isEmpty())
            prepareOutputFolder(panel->chosenPath());
    });
    panel->open();
}

void AppDelegate::prepareOutputFolder(const QString &path)
{
    if (!globalFP || !sourceURL || isBusy())
        return;
    if (const std::optional<QString> refusal = replacementRefusal(path, sourceURL->toLocalFile(), QDir::homePath())) {
        showAlert(QMessageBox::Warning, QStringLiteral("Please choose another name for the HTML5 video folder."),
                  *refusal);
        return;
    }
    recreateFolder(path);
    startExport(path);
}

void AppDelegate::startExport(const QString &folder)
{
    isProcessCancelledByUser = false;
    m_isExporting = true;
    m_exportFolder = folder;
    setSettingsFrozen(true);
    // The sheet comes at once, so cancel works while the poster is still being extracted.
    showProgressSheet(false, QStringLiteral("Creating HTML5 Video..."));
    setLabelText(m_progressUi->progressDetail, QString());
    m_isWaitingForPoster = true;
    m_exportTemporary = std::make_unique<QTemporaryDir>(privateTemporaryTemplate());
    const quint64 ticket = ++m_exportTicket;
    // The poster is the frame of the slider's final position: let a pending extraction finish.
    m_posterPreview->whenIdle([this, folder, ticket] {
        if (ticket != m_exportTicket || !std::exchange(m_isWaitingForPoster, false))
            return; // cancelled while waiting
        writePosterWhileEncoding(folder);
        writeFolderAndEncode(folder);
    });
}

void AppDelegate::writePosterWhileEncoding(const QString &folder)
{
    // The poster at the output size, sharper than the preview stretched to it. The
    // encoder has no need of it, so both run at once; the verdict waits for it.
    const FrameSize size = parseFrameSizeText(outputResolutionLBL->text()).value_or(FrameSize{});
    const QString source = sourceURL->toLocalFile();
    const double seconds = PosterFrame::positionSeconds(globalFP->duration, posterImageSlider->value());
    const QString filters = PosterFrame::posterFilters(size, toneMapFilters(firstVideoTransfer(*globalFP)));
    const QString temporary = m_exportTemporary->path();
    const quint64 ticket = m_exportTicket;
    m_isPosterPending = true;
    m_worker.run(
        [source, seconds, temporary, filters] {
            return PosterFrame::extract(source, seconds, temporary, filters, PosterFrame::fullSizeFileName.toString());
        },
        [this, folder, ticket, size](const QImage &poster) {
            if (ticket != m_exportTicket || !m_isExporting)
                return; // that export is over: its folder may be gone
            PosterFrame::writePosterFile(poster.isNull() ? posterIMGView->image() : poster,
                                         folder + QStringLiteral("/poster.jpg"), size);
            m_isPosterPending = false;
            if (std::exchange(m_isVerdictWaitingForPoster, false))
                finishExport(folder, m_encoderEndedNormally);
        });
}

void AppDelegate::writeFolderAndEncode(const QString &folder)
{
    const FrameSize size = parseFrameSizeText(outputResolutionLBL->text()).value_or(FrameSize{});
    const PageOptions options{m_userDefaults.boolean(PreferenceKeys::controls),
                              m_userDefaults.boolean(PreferenceKeys::autoplay),
                              m_userDefaults.boolean(PreferenceKeys::loop),
                              m_userDefaults.boolean(PreferenceKeys::muted)};
    const QString source = sourceURL->toLocalFile();
    const bool minimal = m_userDefaults.boolean(PreferenceKeys::minimalPage);
    const PageContent content = minimal ? PageContent{} : pageContent(*globalFP, source);
    writeFileAtomically(folder + u'/' + pageFileName.toString(),
                        minimal ? html5PageBytes(size.width, size.height, options)
                                : visitorPageBytes(size.width, size.height, options, content));
    EncoderInputs inputs = encoderInputs(*globalFP, source, folder, outputFileSizeSlider->value(),
                                         outputResolutionLBL->text());
    inputs.fastStart = m_userDefaults.boolean(PreferenceKeys::fastStart);
    inputs.captions = content.captions;
    m_exportCaptionNames.clear();
    for (const CaptionTrack &caption : content.captions)
        m_exportCaptionNames << caption.fileName;
    m_exportInputs = inputs;
    writeDiagnosticLine(QStringLiteral("Output folder: ") + folder);
    m_exportClock.start();
    m_exportRunIndex = 0;
    m_exportPercent = 0;
    if (m_userDefaults.boolean(PreferenceKeys::approximateSize) || !canHitExactSize(inputs)) {
        m_exportRunCount = 1;
        runExport(buildEncoderArguments(inputs), folder, inputs.duration);
        return;
    }
    m_exportRunCount = 2;
    runExport(analysisArguments(inputs, m_exportTemporary->path()), folder, inputs.duration);
}

void AppDelegate::runFinalPass(const QString &folder)
{
    // The video gets exactly what the audio and the container leave of the target.
    const QString temporary = m_exportTemporary->path();
    m_exportAudioBytes = QFileInfo(temporary + u'/' + audioFileName.toString()).size();
    m_exportOverheadBytes = mp4OverheadBytes(temporary + u'/' + analysisFileName.toString());
    m_exportVideoKilobits = exactVideoKilobits(targetBytes(m_exportInputs), m_exportAudioBytes, m_exportOverheadBytes,
                                               m_exportInputs.duration.value_or(1));
    writeDiagnosticLine(QStringLiteral("Exact size: %1 bytes, audio %2, container %3, video %4 kb/s")
                            .arg(targetBytes(m_exportInputs))
                            .arg(m_exportAudioBytes)
                            .arg(m_exportOverheadBytes)
                            .arg(m_exportVideoKilobits));
    m_exportRunIndex = 1;
    runExport(finalArguments(m_exportInputs, temporary, m_exportVideoKilobits), folder, m_exportInputs.duration);
}

bool AppDelegate::runCorrectedPass(const QString &folder)
{
    // On a short clip the rate control can miss by a few per cent: one more final
    // pass, at the rate scaled by the miss, when the file is over the target or
    // far below it.
    const double target = double(targetBytes(m_exportInputs));
    const double written = double(QFileInfo(folder + u'/' + videoFileName.toString()).size());
    if (m_exportRunIndex != 1 || written <= 0
        || (written <= exactSizeMost * target && written >= exactSizeLeast * target)) {
        return false;
    }
    const double fixedBytes = double(m_exportAudioBytes + m_exportOverheadBytes);
    const double wantedVideo = target * exactSizeAim - fixedBytes;
    const double writtenVideo = written - fixedBytes;
    if (wantedVideo <= 0 || writtenVideo <= 0)
        return false; // the smallest file the encoder makes is all there is
    m_exportVideoKilobits = std::max(m_exportVideoKilobits * wantedVideo / writtenVideo, 1.0);
    writeDiagnosticLine(QStringLiteral("Exact size: %1 of %2 bytes written, again at %3 kb/s")
                            .arg(written)
                            .arg(target)
                            .arg(m_exportVideoKilobits));
    m_exportRunIndex = 2;
    m_exportRunCount = 3;
    runExport(finalArguments(m_exportInputs, m_exportTemporary->path(), m_exportVideoKilobits), folder,
              m_exportInputs.duration);
    return true;
}

void AppDelegate::reportSizeShortfall(const QString &folder) const
{
    // Below the target only where the encoder could not spend the bytes: say so.
    const qint64 target = targetBytes(m_exportInputs);
    const qint64 written = QFileInfo(folder + u'/' + videoFileName.toString()).size();
    if (m_exportRunCount > 1 && target > 0 && written > 0 && double(written) < exactSizeLeast * double(target)) {
        writeDiagnosticLine(QStringLiteral("The video reached the encoder's quality ceiling: %1 of %2 bytes")
                                .arg(written)
                                .arg(target));
    }
}

void AppDelegate::runExport(const QStringList &arguments, const QString &folder, std::optional<double> duration)
{
    if (!progressWindow->isVisible())
        showProgressSheet(false, QStringLiteral("Creating HTML5 Video..."));
    if (!duration)
        progressBar->setRange(0, 0); // no duration, no percentage

    const int run = m_exportRunIndex;
    m_export = std::make_unique<EncoderRun>();
    globalProcess = m_export->process();
    connect(m_export.get(), &EncoderRun::progressChanged, this, [this, run](double percent) {
        // One bar across the runs; a run added to fit the size keeps it where it is.
        showExportProgress(std::max((run * 100 + percent) / std::max(m_exportRunCount, 1), m_exportPercent));
    });
    connect(m_export.get(), &EncoderRun::finished, this, [this, folder, run](bool cancelled, bool endedNormally) {
        const bool goesOn = !cancelled && !isProcessCancelledByUser && endedNormally;
        if (goesOn && run == 0 && m_exportRunCount > 1) {
            runFinalPass(folder);
            return;
        }
        if (goesOn && runCorrectedPass(folder))
            return;
        // Two-pass libx264 refuses a rate below its own floor for the picture; the
        // single run of old makes the smallest file it can instead.
        if (!cancelled && !isProcessCancelledByUser && !endedNormally && run >= 1 && m_exportRunCount > 1) {
            writeDiagnosticLine(QStringLiteral("Exact size: the final pass failed, one run as before"));
            m_exportRunCount = 1;
            m_exportRunIndex = 0;
            m_exportPercent = 0;
            runExport(buildEncoderArguments(m_exportInputs), folder, m_exportInputs.duration);
            return;
        }
        reportSizeShortfall(folder);
        hideProgressSheet();
        finishExport(folder, endedNormally);
    });
    // A cancel pressed before the launch is not lost.
    if (isProcessCancelledByUser)
        m_export->cancel();
    const QString encoder = MediaTools::resourcePath(MediaTools::encoderName).value_or(QString());
    m_export->start(encoder, arguments, duration);
}

void AppDelegate::showExportProgress(double percent)
{
    m_exportPercent = percent;
    progressBar->setValue(int(std::lround(percent)));
    DesktopNotices::showProgress(percent / 100);
    const qint64 elapsed = m_exportClock.isValid() ? m_exportClock.elapsed() / 1000 : 0;
    auto clock = [](qint64 seconds) {
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    };
    QString detail = QStringLiteral("Elapsed %1").arg(clock(elapsed));
    if (percent >= 1)
        detail += QStringLiteral(", about %1 left").arg(clock(qint64(double(elapsed) * (100 - percent) / percent)));
    setLabelText(m_progressUi->progressDetail, detail);
}

void AppDelegate::finishExport(const QString &folder, bool encoderEndedNormally)
{
    if (isProcessCancelledByUser) {
        QDir(folder).removeRecursively();
        endExport();
        Q_EMIT exportFinished(false);
        return;
    }
    if (m_isPosterPending) {
        m_isVerdictWaitingForPoster = true;
        m_encoderEndedNormally = encoderEndedNormally;
        return;
    }
    const QStringList names = folderEntryNames(folder);
    m_worker.run(
        [folder, names, encoderEndedNormally, captions = m_exportCaptionNames] {
            return judgeFolder(folder, names, encoderEndedNormally, isPlayableVideo, captions);
        },
        [this, folder](const FolderVerdict &verdict) { showExportVerdict(folder, verdict.success, verdict.entries); });
}

bool AppDelegate::endExport()
{
    m_isExporting = false;
    m_isWaitingForPoster = false;
    m_isPosterPending = false;
    m_isVerdictWaitingForPoster = false;
    m_exportTemporary.reset();
    setSettingsFrozen(false);
    DesktopNotices::clearProgress();
    if (!std::exchange(m_quitAfterExport, false))
        return false;
    window->close();
    return true;
}

void AppDelegate::showExportVerdict(const QString &folder, bool success, const QStringList &entries)
{
    // The user asked to quit while the result was being checked: the folder stays, the window goes.
    if (endExport()) {
        Q_EMIT exportFinished(success);
        return;
    }
    // Someone who looked away from a long export learns of its end from the desktop.
    if (!window->isActiveWindow()) {
        DesktopNotices::notify(success ? QStringLiteral("HTML5 video created") : QStringLiteral("Oops! Something went wrong!"),
                               QFileInfo(folder).fileName());
    }
    if (!success) {
        showAlert(QMessageBox::Critical, QStringLiteral("Oops! Something went wrong!"),
                  QStringLiteral("Contact: ") + Links::supportEmail);
        Q_EMIT exportFinished(false);
        return;
    }
    auto *alert = new QMessageBox(QMessageBox::Information, QStringLiteral("Videofold"),
                                  QStringLiteral("HTML5 Video created Successfully!"), QMessageBox::NoButton, window);
    alert->setObjectName(QStringLiteral("alert"));
    // Browsers load caption files for a page from a web site, but Chromium not for one opened as a file.
    alert->setInformativeText(m_exportCaptionNames.isEmpty()
                                  ? folder
                                  : folder + QStringLiteral("\n\nCaptions show once the folder is on a web site; "
                                                            "some browsers do not load them for a page opened from disk."));
    showTextsPlainly(alert);
    const QList<QAbstractButton *> buttons = {
        alert->addButton(QStringLiteral("Open in Browser"), QMessageBox::AcceptRole),
        alert->addButton(QStringLiteral("Show in Folder"), QMessageBox::ActionRole),
        alert->addButton(QStringLiteral("OK"), QMessageBox::RejectRole),
    };
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    const QString pagePath = folder + u'/' + pageFileName.toString();
    connect(alert, &QMessageBox::finished, this, [this, alert, buttons, pagePath, entries] {
        const qsizetype index = buttons.indexOf(alert->clickedButton());
        handleSuccessAlertResponse(int(1000 + (index < 0 ? 2 : index)), pagePath, entries);
    });
    alert->open();
    Q_EMIT exportFinished(true);
}

void AppDelegate::handleSuccessAlertResponse(int response, const QString &pagePath, const QStringList &entries)
{
    if (response == 1000)
        QDesktopServices::openUrl(QUrl::fromLocalFile(pagePath));
    else if (response == 1001 && entries.contains(pagePath))
        showInFileManager(pagePath); // the page, even where caption files sort before it
    if (m_userDefaults.integer(PreferenceKeys::launchCount).value_or(0) % 10 == 0)
        Links::requestReview();
}

bool AppDelegate::confirmQuitDuringExport()
{
    if (m_quitAfterExport)
        return false;
    auto *question = new QMessageBox(QMessageBox::Question, QStringLiteral("Videofold"),
                                     QStringLiteral("An HTML5 video is being created. Stop it and quit?"),
                                     QMessageBox::Cancel, window);
    QAbstractButton *stop = question->addButton(QStringLiteral("Stop and Quit"), QMessageBox::DestructiveRole);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, question, stop] {
        if (question->clickedButton() != stop)
            return;
        if (!m_isExporting) {
            window->close(); // the export ended while the question was up
            return;
        }
        // The export's end quits, whether the encoder still runs or has just finished.
        m_quitAfterExport = true;
        if (m_isWaitingForPoster || (m_export && m_export->isRunning()))
            closeBTNInsideProgressWindowClicked();
    });
    question->open();
    return false;
}

void AppDelegate::closeBTNInsideProgressWindowClicked()
{
    isProcessCancelledByUser = true;
    if (m_isWaitingForPoster) {
        // Nothing was started yet: end the export now, not when the extraction does.
        m_isWaitingForPoster = false;
        hideProgressSheet();
        finishExport(m_exportFolder, false);
        return;
    }
    if (m_export)
        m_export->cancel();
}

void AppDelegate::setSettingsFrozen(bool frozen)
{
    const bool enabled = !frozen && globalFP;
    for (QSlider *slider : {outputResolutionSlider, outputFileSizeSlider, posterImageSlider})
        slider->setEnabled(enabled);
    if (enabled)
        updateSaveAvailability();
    else
        saveToolBarBTN->setEnabled(false);
}
