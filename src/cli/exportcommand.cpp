#include "cli/exportcommand.h"

#include "cli/exportoptions.h"
#include "cli/progressprinter.h"
#include "common/temporaryfolder.h"
#include "export/exportpreflight.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"
#include "common/unixsignals.h"
#include "common/backgroundworker.h"
#include "common/diagnostics.h"
#include "export/failure.h"
#include "common/displaytext.h"
#include "export/exportchoice.h"
#include "export/exportjob.h"
#include "export/outputfolder.h"
#include "export/settingstext.h"
#include "probe/fileprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

void printError(const QString &line)
{
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    std::fflush(stderr);
}

// How one source ended, for the summary and --json.
struct SourceReport
{
    QString source;
    QString folder;
    QString outcome; // "succeeded", "failed", "refused", "cancelled"
    QString reason;
    QString code; // the reason's stable name (FailureCode)
    ExportOutcome export_;
};

class ExportCommand
{
public:
    explicit ExportCommand(CommandSettings settings) : m_settings(std::move(settings))
    {
        QObject::connect(&m_signals, &UnixSignals::received, &m_signals, [this](int signalNumber) { interrupt(signalNumber); });
    }

    int run()
    {
        removeStaleTemporaryFolders(); // of runs killed outright
        // A part that no source has, or a limit too small for one, is a usage
        // error, known before anything is written.
        const ExportChoice &choice = m_settings.choice;
        if (choice.start || choice.end || choice.size.kind == SizeSetting::Kind::Bytes) {
            for (const QString &source : std::as_const(m_settings.sources)) {
                const std::shared_ptr<const FileProbe> description = probe(QFileInfo(source).absoluteFilePath());
                if (m_signal)
                    return 128 + m_signal;
                if (const std::optional<QString> problem = choiceProblem(*description, choice)) {
                    printError(QStringLiteral("videofold export: %1: %2").arg(source, *problem));
                    return exitUsage;
                }
            }
        }
        const QStringList folders = outputFolders(m_settings);
        bool allExported = true;
        for (qsizetype index = 0; index < m_settings.sources.size() && !m_signal; ++index) {
            SourceReport report = exportSource(m_settings.sources.at(index), folders.at(index));
            if (m_signal && report.outcome == u"cancelled") {
                report.reason = QCoreApplication::translate("CommandLine", "Stopped by a signal.");
                report.code = FailureCode::stopped;
            }
            allExported = allExported && report.outcome == u"succeeded";
            summarise(report);
        }
        if (m_signal)
            return 128 + m_signal;
        return allExported ? exitSuccess : exitFailure;
    }

private:
    void interrupt(int signalNumber)
    {
        if (m_signal)
            return;
        m_signal = signalNumber;
        if (m_job)
            m_job->cancel();
        m_worker.cancelAll(); // a probe under way
        m_loop.quit();
    }

    std::shared_ptr<const FileProbe> probe(const QString &path)
    {
        if (m_probes.contains(path))
            return m_probes.value(path);
        std::shared_ptr<const FileProbe> result;
        m_worker.run([path] { return std::make_shared<const FileProbe>(path); },
                     [this, &result](std::shared_ptr<const FileProbe> probe) {
                         result = std::move(probe);
                         m_loop.quit();
                     });
        while (!result)
            m_loop.exec(); // a signal quits it too, and stops the probe
        m_probes.insert(path, result);
        return result;
    }

    SourceReport refuse(SourceReport report, const QString &reason)
    {
        report.outcome = QStringLiteral("refused");
        report.reason = reason;
        report.code = FailureCode::refused;
        return report;
    }

    SourceReport exportSource(const QString &source, const QString &folder)
    {
        SourceReport report{source, folder, {}, {}, {}, {}};
        const QString path = QFileInfo(source).absoluteFilePath();
        const std::shared_ptr<const FileProbe> description = probe(path);
        if (m_signal) {
            report.outcome = QStringLiteral("cancelled");
            return report;
        }
        ChosenExport chosen = chooseExport(path, description, m_settings.choice, folder);
        if (!chosen.request)
            return refuse(report, chosen.refusal);
        ExportRequest request = std::move(*chosen.request);
        if (const std::optional<QString> refusal = replacementRefusal(folder, path, QDir::homePath()))
            return refuse(report, QCoreApplication::translate("CommandLine", "Please choose another name for the HTML5 video folder. %1").arg(*refusal));
        const QFileInfo existing(folder);
        if ((existing.exists() || existing.isSymLink()) && !m_settings.replace)
            return refuse(report, QCoreApplication::translate("CommandLine", "%1 already exists; --replace replaces it.").arg(folder));
        if (const std::optional<QString> refusal = exportRefusal(request))
            return refuse(report, *refusal);
        recreateFolder(folder);
        if (!QFileInfo(folder).isDir())
            return refuse(report, QCoreApplication::translate("CommandLine", "The folder %1 cannot be created.").arg(folder));

        ProgressPrinter printer(QFileInfo(source).fileName(), m_settings.quiet);
        m_job = std::make_unique<ExportJob>(std::move(request));
        QObject::connect(m_job.get(), &ExportJob::progressChanged, m_job.get(), [&printer](double percent, const QString &run) {
            printer.show(percent, run);
        });
        std::optional<ExportOutcome> outcome;
        QObject::connect(m_job.get(), &ExportJob::finished, m_job.get(), [this, &outcome](const ExportOutcome &ended) {
            outcome = ended;
            m_loop.quit();
        });
        m_job->start();
        while (!outcome)
            m_loop.exec();
        printer.clear();
        m_job.reset();
        report.export_ = *outcome;
        report.reason = outcome->reason;
        report.code = outcome->reasonCode;
        switch (outcome->result) {
        case ExportOutcome::Result::Succeeded:
            report.outcome = QStringLiteral("succeeded");
            break;
        case ExportOutcome::Result::Failed:
            report.outcome = QStringLiteral("failed");
            break;
        case ExportOutcome::Result::Cancelled:
            report.outcome = QStringLiteral("cancelled");
            break;
        }
        return report;
    }

    void summarise(const SourceReport &report) const
    {
        const QString name = QFileInfo(report.source).fileName();
        if (report.outcome == u"succeeded") {
            if (!m_settings.quiet) {
                const QString video = byteCountText(quint64(report.export_.videoBytes));
                const QString target = byteCountText(quint64(std::max<qint64>(report.export_.targetBytes, 0)));
                const QString took = clockText(report.export_.seconds);
                const QString av1Problem = QString(report.export_.av1Problem).replace(u'\n', u' ');
                QString line;
                if (report.export_.av1Bytes > 0) {
                    line = QCoreApplication::translate("CommandLine", "%1: %2 · video %3 of %4 · %5 · AV1 %6")
                               .arg(name, report.folder, video, target, took, byteCountText(quint64(report.export_.av1Bytes)));
                } else if (!av1Problem.isEmpty()) {
                    line = QCoreApplication::translate("CommandLine", "%1: %2 · video %3 of %4 · %5 · no AV1 version: %6")
                               .arg(name, report.folder, video, target, took, av1Problem);
                } else {
                    line = QCoreApplication::translate("CommandLine", "%1: %2 · video %3 of %4 · %5").arg(name, report.folder, video, target, took);
                }
                if (const QString adaptive = adaptiveSummary(report.export_); !adaptive.isEmpty())
                    line += QStringLiteral(" · ") + adaptive;
                if (m_settings.json)
                    printError(line);
                else
                    std::printf("%s\n", line.toUtf8().constData());
            }
        } else if (report.outcome != u"cancelled" || !m_signal) {
            printError(QStringLiteral("videofold: %1: %2").arg(report.source, report.reason));
        }
        if (m_settings.json)
            std::printf("%s\n", jsonLine(report).constData());
        std::fflush(stdout);
    }

    // The qualities of an adaptive folder with the folder's total, or why it has none.
    static QString adaptiveSummary(const ExportOutcome &outcome)
    {
        if (!outcome.qualities.isEmpty()) {
            return QCoreApplication::translate("CommandLine", "%n qualities, folder %1", "", int(outcome.qualities.size()))
                .arg(byteCountText(quint64(outcome.folderBytes)));
        }
        if (!outcome.adaptiveSkipped.isEmpty())
            return QCoreApplication::translate("CommandLine", "one quality: %1").arg(outcome.adaptiveSkipped);
        return {};
    }

    static QJsonArray qualitiesJson(const ExportOutcome &outcome)
    {
        QJsonArray qualities;
        for (const StreamQuality &quality : outcome.qualities)
            qualities.append(QJsonObject{{QStringLiteral("name"), quality.name},
                                         {QStringLiteral("width"), quality.frame.width},
                                         {QStringLiteral("height"), quality.frame.height},
                                         {QStringLiteral("bandwidth"), quality.peakBitsPerSecond},
                                         {QStringLiteral("averageBandwidth"), quality.averageBitsPerSecond},
                                         {QStringLiteral("bytes"), quality.bytes}});
        return qualities;
    }

    static QByteArray jsonLine(const SourceReport &report)
    {
        QJsonArray files;
        for (const QString &entry : report.export_.entries)
            files.append(QJsonObject{{QStringLiteral("name"), QFileInfo(entry).fileName()},
                                     {QStringLiteral("bytes"), entryBytes(entry)}});
        const QJsonObject object{{QStringLiteral("source"), report.source},
                                 {QStringLiteral("folder"), report.folder},
                                 {QStringLiteral("outcome"), report.outcome},
                                 {QStringLiteral("reason"), report.reason},
                                 {QStringLiteral("code"), report.code},
                                 {QStringLiteral("targetBytes"), report.export_.targetBytes},
                                 {QStringLiteral("av1Problem"), report.export_.av1Problem},
                                 {QStringLiteral("av1ProblemCode"), report.export_.av1ProblemCode},
                                 {QStringLiteral("files"), files},
                                 {QStringLiteral("folderBytes"), report.export_.folderBytes},
                                 {QStringLiteral("qualities"), qualitiesJson(report.export_)},
                                 {QStringLiteral("adaptiveSkipped"), report.export_.adaptiveSkipped},
                                 {QStringLiteral("adaptiveSkippedCode"), report.export_.adaptiveSkippedCode},
                                 {QStringLiteral("seconds"), report.export_.seconds}};
        return QJsonDocument(object).toJson(QJsonDocument::Compact);
    }

    CommandSettings m_settings;
    UnixSignals m_signals;
    QEventLoop m_loop;
    BackgroundWorker m_worker;
    std::unique_ptr<ExportJob> m_job;
    QHash<QString, std::shared_ptr<const FileProbe>> m_probes; // each source is probed once
    int m_signal = 0;
};

} // namespace

int runExportCommand(const QStringList &arguments)
{
    CommandSettings settings;
    bool helpAsked = false;
    if (const std::optional<QString> error = readSettings(arguments, settings, helpAsked)) {
        printError(QStringLiteral("videofold export: ") + *error);
        printError(QCoreApplication::translate("CommandLine", "Try '%1'.").arg(QStringLiteral("videofold export --help")));
        return exitUsage;
    }
    if (helpAsked) {
        std::printf("%s", exportHelpText(helpWidth()).toUtf8().constData());
        return exitSuccess;
    }
    if (settings.choice.av1Version && !MediaTools::encoderHas(MediaTools::av1EncoderName)) {
        const std::optional<QString> encoder = MediaTools::resourcePath(MediaTools::encoderName);
        printError(QStringLiteral("videofold export: ")
                   + (encoder ? QCoreApplication::translate("CommandLine", "--av1 needs an encoder with SVT-AV1 (libsvtav1), which %1 lacks.").arg(*encoder)
                              : QCoreApplication::translate("CommandLine", "--av1 needs an encoder with SVT-AV1 (libsvtav1), and none was found.")));
        return exitUsage;
    }
    if (settings.choice.av1Version && settings.choice.minimalPage && !settings.quiet)
        printError(QStringLiteral("videofold export: ") + noAv1WithMinimalPage());
    ExportCommand command(std::move(settings));
    return command.run();
}

QString applicationHelpText(int width)
{
    // "Usage: " is translated; the command lines under it line up with the first one.
    const QString usage = QCoreApplication::translate("CommandLine", "Usage: %1").arg(QString());
    const QString indent(usage.size(), u' ');
    return usage + QStringLiteral("videofold [FILE | URL]\n") + indent + QStringLiteral("videofold export [OPTIONS] SOURCE...\n")
        + indent + QStringLiteral("videofold serve FOLDER [--port N] [--open]\n") + indent
        + QStringLiteral("videofold --check-tools [VIDEO]\n\n")
        + wrappedText(QCoreApplication::translate("CommandLine", "Without a command, opens the window (with a file or file:// URL, opens that video)."),
                      0, width, 0)
        + QStringLiteral("\n\n") + QCoreApplication::translate("CommandLine", "Commands and options:") + u'\n'
        + helpEntry(QStringLiteral("  export SOURCE..."),
                    QCoreApplication::translate("CommandLine", "Exports videos without a window; '%1' lists its options.").arg(QStringLiteral("videofold export --help")),
                    width)
        + helpEntry(QStringLiteral("  serve FOLDER [--port N] [--open]"),
                    QCoreApplication::translate("CommandLine", "Serves an exported folder on 127.0.0.1 and prints its page's address, until Ctrl+C."),
                    width)
        + helpEntry(QStringLiteral("  --check-tools [VIDEO]"),
                    QCoreApplication::translate("CommandLine", "Prints where the media tools are and what the prober makes of a video."), width)
        + helpEntry(QStringLiteral("  -h, --help"), QCoreApplication::translate("CommandLine", "This help."), width)
        + helpEntry(QStringLiteral("  --version"), QCoreApplication::translate("CommandLine", "The version."), width) + u'\n' + exportHelpText(width);
}
