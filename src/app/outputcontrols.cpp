#include "app/outputcontrols.h"

#include "app/dropviews.h"
#include "app/labels.h"
#include "app/posterpreview.h"
#include "common/displaytext.h"
#include "export/colour.h"
#include "export/exportchoice.h"
#include "export/posterframe.h"
#include "probe/fileprobe.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <cmath>

OutputControls::OutputControls(const Widgets &widgets, BackgroundWorker &worker, QObject *parent)
    : QObject(parent), m_widgets(widgets), m_preview(new PosterPreview(worker, this))
{
    m_widgets.limitBox->setCurrentIndex(-1);
    m_widgets.limitBox->lineEdit()->setPlaceholderText(tr("Size limit"));
    // The words on the field are its placeholder: a screen reader hears them as its name.
    m_widgets.limitBox->setAccessibleName(tr("Size limit"));
    m_widgets.limitProblem->hide();
    connect(m_preview, &PosterPreview::frameReady, this, [this](const QImage &frame) { m_widgets.posterView->setImage(frame); });
    // valueChanged, so keyboard, mouse and assistive tools all move the settings.
    connect(m_widgets.frameSlider, &QSlider::valueChanged, this, [this] {
        refreshFrameSize();
        Q_EMIT frameSizeChanged();
    });
    connect(m_widgets.sizeSlider, &QSlider::valueChanged, this, [this] {
        clearSizeLimit(); // moved by hand: back to a share of the source
        refreshTargetSize();
    });
    connect(m_widgets.posterSlider, &QSlider::valueChanged, this, &OutputControls::showPoster);
    // Enter in the field or a pick from the list; focus leaving the field also takes what was typed.
    connect(m_widgets.limitBox, &QComboBox::textActivated, this, &OutputControls::applySizeLimit);
    connect(m_widgets.limitBox->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QString typed = m_widgets.limitBox->currentText();
        if (!typed.isEmpty() && (!m_sizeLimit || typed != byteCountText(quint64(*m_sizeLimit))))
            applySizeLimit(typed);
    });
}

void OutputControls::setSource(const SourceVideo &source)
{
    m_source = source;
    m_keptStart = 0;
    m_keptEnd.reset();
    {
        // Setting a value fires its action, which finds the file and the labels unchanged.
        const QSignalBlocker frame(m_widgets.frameSlider);
        const QSignalBlocker size(m_widgets.sizeSlider);
        const QSignalBlocker poster(m_widgets.posterSlider);
        m_widgets.frameSlider->setValue(100);
        m_widgets.sizeSlider->setValue(100);
        m_widgets.posterSlider->setValue(50);
    }
    clearSizeLimit();
    setEnabled(source.isOpen());
    if (!source.isOpen())
        return;
    refreshFrameSize();
    refreshTargetSize();
    showPoster();
}

void OutputControls::setEnabled(bool enabled)
{
    const bool open = enabled && m_source.isOpen();
    for (QWidget *control : std::initializer_list<QWidget *>{m_widgets.frameSlider, m_widgets.sizeSlider, m_widgets.limitBox,
                                                           m_widgets.posterSlider})
        control->setEnabled(open);
}

void OutputControls::setKeptPart(double start, std::optional<double> end)
{
    m_keptStart = start;
    m_keptEnd = end;
    // The size's 100 % follows the part kept; a limit typed for another part no longer holds.
    clearSizeLimit();
    refreshTargetSize();
    showPoster();
}

std::optional<FrameSize> OutputControls::frameSize() const
{
    if (!m_source.isOpen() || !m_source.probe->firstVideoTrackInfo)
        return std::nullopt;
    return outputFrameSize(*m_source.probe->firstVideoTrackInfo, m_widgets.frameSlider->value());
}

void OutputControls::refreshFrameSize()
{
    const std::optional<FrameSize> size = frameSize();
    if (!size)
        return;
    setLabelText(m_widgets.frameLabel, frameSizeText(*size));
    m_widgets.frameSlider->setAccessibleDescription(frameSizeText(*size));
    setLabelText(m_widgets.frameSourceLabel,
                 sourceShareText(frameSizeText(outputFrameSize(*m_source.probe->firstVideoTrackInfo, 100)),
                                 m_widgets.frameSlider->value()));
}

double OutputControls::keptShare() const
{
    if (!isPartKept() || !m_source.isOpen() || m_source.probe->duration <= 0)
        return 1;
    return (m_keptEnd.value_or(m_source.probe->duration) - m_keptStart) / m_source.probe->duration;
}

quint64 OutputControls::keptBytes() const
{
    return keptSourceBytes(m_source.isOpen() ? m_source.probe->fileSize.value_or(0) : 0, keptShare());
}

void OutputControls::refreshTargetSize()
{
    if (!m_source.isOpen() || !m_source.probe->fileSize)
        return;
    // 100 % is the source's size for the part kept: a share gives the whole video's rates.
    const quint64 kept = keptBytes();
    const qint64 bytes = m_sizeLimit ? qint64(limitTargetBytes(double(*m_sizeLimit), kept))
                                     : targetSizeBytes(kept, m_widgets.sizeSlider->value());
    setLabelText(m_widgets.sizeLabel, byteCountText(quint64(std::max<qint64>(bytes, 0))));
    m_widgets.sizeSlider->setAccessibleDescription(m_widgets.sizeLabel->text());
    setLabelText(m_widgets.sizeSourceLabel, sourceShareText(byteCountText(kept), m_widgets.sizeSlider->value()));
}

bool OutputControls::applySizeLimit(const QString &text)
{
    if (!m_source.isOpen() || !m_source.probe->fileSize || text.trimmed().isEmpty())
        return false;
    const std::optional<SizeSetting> setting = parseSizeSetting(withDotDecimals(text.trimmed()));
    if (setting && setting->kind == SizeSetting::Kind::Share) {
        m_widgets.sizeSlider->setValue(int(std::lround(setting->value))); // "40%" means the slider
        return true;
    }
    std::optional<QString> problem = tr("“%1” is not a size: type one as 8 MB, 750 kB or 25MB.").arg(text.trimmed());
    if (setting)
        problem = sizeLimitProblem(setting->value, keptBytes());
    setLabelText(m_widgets.limitProblem, problem.value_or(QString()));
    m_widgets.limitBox->setAccessibleDescription(problem.value_or(QString())); // heard where it is seen
    m_widgets.limitProblem->setVisible(problem.has_value());
    if (problem)
        return false;
    {
        const QSignalBlocker quiet(m_widgets.sizeSlider); // the slider follows the limit, not the other way
        m_widgets.sizeSlider->setValue(sizeLimitPercent(setting->value, keptBytes()));
    }
    m_sizeLimit = qint64(setting->value);
    m_widgets.limitBox->setEditText(byteCountText(quint64(*m_sizeLimit)));
    refreshTargetSize();
    return true;
}

void OutputControls::clearSizeLimit()
{
    m_sizeLimit.reset();
    const QSignalBlocker quiet(m_widgets.limitBox);
    m_widgets.limitBox->setCurrentIndex(-1);
    m_widgets.limitBox->clearEditText();
    m_widgets.limitProblem->hide();
    m_widgets.limitBox->setAccessibleDescription(QString());
}

void OutputControls::fillChoice(ExportChoice &choice) const
{
    choice.frameSize = {double(m_widgets.frameSlider->value()), {}};
    choice.size = m_sizeLimit ? SizeSetting{SizeSetting::Kind::Bytes, double(*m_sizeLimit)}
                              : SizeSetting{SizeSetting::Kind::Share, double(m_widgets.sizeSlider->value())};
    choice.poster = {PositionSetting::Kind::Share, double(m_widgets.posterSlider->value())};
}

double OutputControls::posterFrameSeconds() const
{
    const double duration = m_source.isOpen() ? m_source.probe->duration : 0;
    const double percent = m_widgets.posterSlider->value();
    if (isPartKept()) // the slider spans the part kept, frame by frame
        return m_keptStart + (m_keptEnd.value_or(duration) - m_keptStart) * percent / 100;
    return PosterFrame::shownSeconds(PosterFrame::positionSeconds(duration, percent), duration);
}

QImage OutputControls::posterImage() const
{
    return m_widgets.posterView->image();
}

QString OutputControls::previewFilters() const
{
    return PosterFrame::previewFilters(toneMapFilters(firstVideoTransfer(*m_source.probe)));
}

void OutputControls::showFrameAt(double seconds)
{
    if (m_source.isOpen())
        m_preview->request(m_source.path, seconds, previewFilters(), true);
}

void OutputControls::showPoster()
{
    if (!m_source.isOpen())
        return;
    if (isPartKept())
        m_preview->request(m_source.path, posterFrameSeconds(), previewFilters(), true);
    else
        m_preview->request(m_source.path, PosterFrame::positionSeconds(m_source.probe->duration, m_widgets.posterSlider->value()),
                           previewFilters());
    const QString time = clockText(posterFrameSeconds(), true);
    setLabelText(m_widgets.posterTimeLabel, time);
    m_widgets.posterSlider->setAccessibleDescription(time);
    m_widgets.posterView->setAccessibleName(tr("Poster frame at %1").arg(time));
}
