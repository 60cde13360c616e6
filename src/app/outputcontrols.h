#pragma once

#include "app/sourcevideo.h"
#include "export/outputsettings.h"

#include <QImage>
#include <QObject>

#include <optional>

class BackgroundWorker;
class ImageDropView;
class PosterPreview;
class QComboBox;
class QLabel;
class QSlider;
struct ExportChoice;

// The output rows: the frame size, the target size (a share of the source's
// size for the part kept, or a limit typed or picked beside it) and the
// poster frame with its preview, each with the labels that say what it gives.
class OutputControls : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QSlider *frameSlider;
        QLabel *frameLabel;
        QLabel *frameSourceLabel;
        QSlider *sizeSlider;
        QLabel *sizeLabel;
        QLabel *sizeSourceLabel;
        QComboBox *limitBox;
        QLabel *limitProblem;
        QSlider *posterSlider;
        ImageDropView *posterView;
        QLabel *posterTimeLabel;
    };
    OutputControls(const Widgets &widgets, BackgroundWorker &worker, QObject *parent = nullptr);

    // The controls at their defaults for the video, enabled when one is open.
    void setSource(const SourceVideo &source);
    // The part kept (nothing: its end): the size's 100 % and the poster slider follow it.
    void setKeptPart(double start, std::optional<double> end);
    // Disabled while an export takes the settings on display.
    void setEnabled(bool enabled);

    // Takes text as the size limit ("8 MB"), or a share ("40%") as the slider's;
    // says in place why it cannot be one. True when taken.
    bool applySizeLimit(const QString &text);
    [[nodiscard]] std::optional<qint64> sizeLimit() const { return m_sizeLimit; }
    // The frame size, the target size and the poster of the choice.
    void fillChoice(ExportChoice &choice) const;
    // The frame size chosen; nothing without a video.
    [[nodiscard]] std::optional<FrameSize> frameSize() const;
    // The time of the frame the poster slider shows.
    [[nodiscard]] double posterFrameSeconds() const;
    [[nodiscard]] QImage posterImage() const;
    [[nodiscard]] PosterPreview &posterPreview() { return *m_preview; }

    // The frame at seconds in the preview, as while a part's handle is dragged; then the poster again.
    void showFrameAt(double seconds);
    void showPoster();

Q_SIGNALS:
    void frameSizeChanged();

private:
    void refreshFrameSize();
    void refreshTargetSize();
    void clearSizeLimit();
    [[nodiscard]] bool isPartKept() const { return m_keptStart > 0 || m_keptEnd.has_value(); }
    [[nodiscard]] double keptShare() const;
    [[nodiscard]] quint64 keptBytes() const;
    [[nodiscard]] QString previewFilters() const;

    Widgets m_widgets;
    PosterPreview *m_preview;
    SourceVideo m_source;
    std::optional<qint64> m_sizeLimit;
    double m_keptStart = 0;
    std::optional<double> m_keptEnd;
};
