#pragma once

#include <QObject>
#include <QProcess>
#include <QStringList>

#include <chrono>
#include <optional>

// One run of the encoder for an export. Reads its diagnostic output as it
// arrives and reports the position as a percentage of the duration. The encoder
// dies with the application and is stopped when the run is destroyed.
class EncoderRun : public QObject
{
    Q_OBJECT
public:
    explicit EncoderRun(QObject *parent = nullptr);
    ~EncoderRun() override;

    // Starts the encoder unless the run was cancelled first. An unknown duration
    // gives no progress readings.
    void start(const QString &program, const QStringList &arguments, std::optional<double> duration);
    // A polite termination request to an encoder that still runs, and a kill if
    // it has not ended after killDelay; safe at any time.
    void cancel();
    static constexpr std::chrono::milliseconds killDelay{2000};

    [[nodiscard]] bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    [[nodiscard]] bool wasCancelled() const { return m_cancelled; }
    [[nodiscard]] QProcess *process() { return &m_process; }
    // The encoder's last few lines of diagnostics that are not progress
    // readings: what it said before it stopped.
    [[nodiscard]] QString lastErrorLines() const;
    // Whether the demuxer found the source's data cut short ("partial file"):
    // a truncated file, which the encoder reads to its break and then ends well.
    [[nodiscard]] bool sourceEndedEarly() const { return m_sourceEndedEarly; }

Q_SIGNALS:
    void progressChanged(double percent);
    // endedNormally: the encoder ran and exited by itself with status 0.
    void finished(bool cancelled, bool endedNormally);

private:
    void readDiagnostics();
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);

    QProcess m_process;
    std::optional<double> m_duration;
    QByteArray m_tail; // the end of the diagnostic output
    bool m_cancelled = false;
    bool m_sourceEndedEarly = false;
    bool m_done = false;
};
