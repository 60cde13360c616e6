// The output controls: the sliders' labels, the poster preview, and the
// export settings they stand for.
#include "app/appdelegate.h"

#include "app/dropviews.h"
#include "app/posterpreview.h"
#include "common/displaytext.h"
#include "export/settingstext.h"
#include "export/colour.h"
#include "export/encoderarguments.h"
#include "export/exportchoice.h"
#include "export/outputsettings.h"
#include "export/posterframe.h"
#include "export/settingstext.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QSlider>

QString sourceShareText(const QString &sourceValue, int percent)
{
    return QStringLiteral("of %1 (%2 %)").arg(sourceValue).arg(percent);
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}

void AppDelegate::refreshResolutionLabel()
{
    if (!globalFP || !globalFP->firstVideoTrackInfo)
        return;
    const FrameSize size = outputFrameSize(*globalFP->firstVideoTrackInfo, outputResolutionSlider->value());
    setLabelText(outputResolutionLBL, frameSizeText(size));
    setLabelText(m_mainUi->outputResolutionSourceLBL,
                 sourceShareText(frameSizeText(outputFrameSize(*globalFP->firstVideoTrackInfo, 100)),
                                 outputResolutionSlider->value()));
}

void AppDelegate::refreshFileSizeLabel()
{
    if (!globalFP || !globalFP->fileSize)
        return;
    // 100 % is the source's size for the part kept: a share gives the whole video's rates.
    const quint64 keptBytes = keptSourceBytes();
    // A limit over the source acts as the source's own size.
    const qint64 bytes = m_sizeLimit ? std::min<qint64>(*m_sizeLimit, qint64(keptBytes))
                                     : targetSizeBytes(keptBytes, outputFileSizeSlider->value());
    setLabelText(outputFileSizeLBL, byteCountText(quint64(std::max<qint64>(bytes, 0))));
    setLabelText(m_mainUi->outputFileSizeSourceLBL, sourceShareText(byteCountText(keptBytes), outputFileSizeSlider->value()));
}

void AppDelegate::refreshPosterPreview()
{
    if (!globalFP || !sourceURL)
        return;
    const double seconds = PosterFrame::positionSeconds(globalFP->duration, posterImageSlider->value());
    const QString filters = PosterFrame::previewFilters(toneMapFilters(firstVideoTransfer(*globalFP)));
    if (isPartKept())
        m_posterPreview->request(sourceURL->toLocalFile(), posterFrameSeconds(), filters, true);
    else
        m_posterPreview->request(sourceURL->toLocalFile(), seconds, filters);
    setLabelText(posterTimeLBL, clockText(posterFrameSeconds(), true));
}

std::optional<FrameSize> AppDelegate::chosenFrameSize() const
{
    if (!globalFP || !globalFP->firstVideoTrackInfo)
        return std::nullopt;
    return outputFrameSize(*globalFP->firstVideoTrackInfo, outputResolutionSlider->value());
}

void AppDelegate::updateSaveAvailability()
{
    // A zero frame size would only fail after a whole encode.
    const std::optional<FrameSize> size = chosenFrameSize();
    saveToolBarBTN->setEnabled(globalFP && size && !size->isEmpty());
    addToQueueBTN->setEnabled(saveToolBarBTN->isEnabled());
}

ExportChoice AppDelegate::exportChoice() const
{
    ExportChoice choice;
    choice.frameSize = {double(outputResolutionSlider->value()), {}};
    choice.size = m_sizeLimit ? SizeSetting{SizeSetting::Kind::Bytes, double(*m_sizeLimit)}
                              : SizeSetting{SizeSetting::Kind::Share, double(outputFileSizeSlider->value())};
    choice.poster = {PositionSetting::Kind::Share, double(posterImageSlider->value())};
    if (m_keptStart > 0)
        choice.start = PositionSetting{PositionSetting::Kind::Seconds, m_keptStart};
    if (m_keptEnd)
        choice.end = PositionSetting{PositionSetting::Kind::Seconds, *m_keptEnd};
    choice.page = {m_userDefaults.boolean(PreferenceKeys::controls), m_userDefaults.boolean(PreferenceKeys::autoplay),
                   m_userDefaults.boolean(PreferenceKeys::loop), m_userDefaults.boolean(PreferenceKeys::muted)};
    choice.minimalPage = m_userDefaults.boolean(PreferenceKeys::minimalPage);
    choice.fastStart = m_userDefaults.boolean(PreferenceKeys::fastStart);
    choice.approximateSize = m_userDefaults.boolean(PreferenceKeys::approximateSize);
    choice.av1Version = m_userDefaults.boolean(PreferenceKeys::av1Version) && av1Unavailable().isEmpty();
    choice.evenLoudness = m_userDefaults.boolean(PreferenceKeys::loudness);
    return choice;
}

ChosenExport AppDelegate::exportRequest(const QString &folder) const
{
    if (!globalFP || !sourceURL)
        return {std::nullopt, QStringLiteral("No video is open.")};
    ChosenExport chosen = chooseExport(sourceURL->toLocalFile(), globalFP, exportChoice(), folder);
    // Where no frame comes out at the output size, the preview on display stands in.
    if (chosen.request)
        chosen.request->fallbackPoster = posterIMGView->image();
    return chosen;
}

void AppDelegate::outputResolutionSLDRChanged()
{
    refreshResolutionLabel();
    if (globalFP)
        updateSaveAvailability();
}

void AppDelegate::outputFileSizeSLDRChanged()
{
    // Moved by hand: back to a share of the source.
    clearSizeLimit();
    refreshFileSizeLabel();
}

bool AppDelegate::applySizeLimit(const QString &text)
{
    if (!globalFP || !globalFP->fileSize || text.trimmed().isEmpty())
        return false;
    const std::optional<SizeSetting> setting = parseSizeSetting(text.trimmed());
    if (setting && setting->kind == SizeSetting::Kind::Share) {
        outputFileSizeSlider->setValue(int(std::lround(setting->value))); // "40%" means the slider
        return true;
    }
    std::optional<QString> problem = QStringLiteral("“%1” is not a size: type one as 8 MB, 750 kB or 25MB.").arg(text.trimmed());
    if (setting)
        problem = sizeLimitProblem(setting->value, keptSourceBytes());
    setLabelText(m_sizeLimitProblem, problem.value_or(QString()));
    m_sizeLimitProblem->setVisible(problem.has_value());
    if (problem)
        return false;
    {
        const QSignalBlocker quiet(outputFileSizeSlider); // the slider follows the limit, not the other way
        outputFileSizeSlider->setValue(sizeLimitPercent(setting->value, keptSourceBytes()));
    }
    m_sizeLimit = qint64(setting->value);
    outputFileSizeLimitBox->setEditText(byteCountText(quint64(*m_sizeLimit)));
    refreshFileSizeLabel();
    return true;
}

quint64 AppDelegate::keptSourceBytes() const
{
    const quint64 bytes = globalFP ? globalFP->fileSize.value_or(0) : 0;
    return isPartKept() ? quint64(std::llround(double(bytes) * keptFraction())) : bytes;
}

void AppDelegate::clearSizeLimit()
{
    m_sizeLimit.reset();
    const QSignalBlocker quiet(outputFileSizeLimitBox);
    outputFileSizeLimitBox->setCurrentIndex(-1);
    outputFileSizeLimitBox->clearEditText();
    m_sizeLimitProblem->hide();
}

void AppDelegate::posterImageSLDRChanged()
{
    refreshPosterPreview();
}
