// The part of the video kept: its start and end sliders, typed times, the
// Set Start and Set End keys, and the poster inside it.
#include "app/appdelegate.h"

#include "app/posterpreview.h"
#include "common/displaytext.h"
#include "export/colour.h"
#include "export/exportchoice.h"
#include "export/posterframe.h"
#include "export/settingstext.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>

namespace {

constexpr int sliderSteps = 10000;

} // namespace

void AppDelegate::connectKeptPart()
{
    trimStartSlider = m_mainUi->trimStartSlider;
    trimEndSlider = m_mainUi->trimEndSlider;
    trimStartEdit = m_mainUi->trimStartEdit;
    trimEndEdit = m_mainUi->trimEndEdit;
    keptPartLBL = m_mainUi->keptPartLBL;
    posterTimeLBL = m_mainUi->posterTimeLBL;
    // A handle moved where it keeps nothing goes back to where the part is.
    connect(trimStartSlider, &QSlider::valueChanged, this, [this](int value) {
        if (!setKeptPart(sliderSeconds(value), m_keptEnd))
            refreshKeptPart();
    });
    connect(trimEndSlider, &QSlider::valueChanged, this, [this](int value) {
        std::optional<double> end;
        if (value < sliderSteps)
            end = sliderSeconds(value);
        if (!setKeptPart(m_keptStart, end))
            refreshKeptPart();
    });
    for (QSlider *slider : {trimStartSlider, trimEndSlider}) {
        // Dragging shows the frame under the handle; letting go, the poster again.
        connect(slider, &QSlider::sliderMoved, this, [this](int value) {
            if (globalFP && sourceURL)
                m_posterPreview->request(sourceURL->toLocalFile(), sliderSeconds(value),
                                         PosterFrame::previewFilters(toneMapFilters(firstVideoTransfer(*globalFP))), true);
        });
        connect(slider, &QSlider::sliderReleased, this, &AppDelegate::refreshPosterPreview);
    }
    connect(trimStartEdit, &QLineEdit::editingFinished, this, [this] { keptPartTyped(trimStartEdit, true); });
    connect(trimEndEdit, &QLineEdit::editingFinished, this, [this] { keptPartTyped(trimEndEdit, false); });
    // In the Edit menu too, with their keys, wherever the focus is but in a text field.
    m_mainUi->editMenu->addSeparator();
    for (const auto &[button, key, set] : {std::tuple{m_mainUi->setStartBTN, Qt::Key_I, &AppDelegate::setStartAtPoster},
                                           std::tuple{m_mainUi->setEndBTN, Qt::Key_O, &AppDelegate::setEndAtPoster}}) {
        auto *action = m_mainUi->editMenu->addAction(button->text());
        action->setObjectName(button->objectName() + QStringLiteral("Action"));
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this, set);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        m_keptPartActions << action;
    }
}

double AppDelegate::sliderSeconds(int value) const
{
    return globalFP->duration * value / sliderSteps; // the sliders move only with a video open
}

double AppDelegate::keptFraction() const
{
    if (!isPartKept() || !globalFP || globalFP->duration <= 0)
        return 1;
    return (m_keptEnd.value_or(globalFP->duration) - m_keptStart) / globalFP->duration;
}

double AppDelegate::posterFrameSeconds() const
{
    const double duration = globalFP ? globalFP->duration : 0;
    const double position = PosterFrame::positionSeconds(duration, posterImageSlider->value());
    if (isPartKept()) // the slider spans the part kept, frame by frame
        return m_keptStart + (m_keptEnd.value_or(duration) - m_keptStart) * posterImageSlider->value() / 100;
    if (position == 0) // the encoder is sent 5 s in, or to the first frame of a shorter video
        return duration > 5 ? 5 : 0;
    return position * 0.5;
}

bool AppDelegate::setKeptPart(double start, std::optional<double> end)
{
    if (!globalFP || globalFP->duration <= 0)
        return false;
    std::optional<PositionSetting> endSetting;
    if (end)
        endSetting = PositionSetting{PositionSetting::Kind::Seconds, *end};
    const KeptPart part = keptPart(PositionSetting{PositionSetting::Kind::Seconds, start}, endSetting, globalFP->duration,
                                   frameSeconds(*globalFP));
    if (!part.problem.isEmpty()) {
        setLabelText(keptPartLBL, part.problem);
        return false;
    }
    m_keptStart = part.start;
    m_keptEnd = part.end;
    refreshKeptPart();
    // The size's 100 % follows the part kept; a limit typed for another part no longer holds.
    clearSizeLimit();
    refreshFileSizeLabel();
    refreshPosterPreview();
    return true;
}

void AppDelegate::resetKeptPart()
{
    m_keptStart = 0;
    m_keptEnd.reset();
    refreshKeptPart();
}

void AppDelegate::refreshKeptPart()
{
    double duration = 0;
    if (globalFP)
        duration = globalFP->duration;
    const double last = m_keptEnd.value_or(duration);
    {
        const QSignalBlocker start(trimStartSlider);
        const QSignalBlocker end(trimEndSlider);
        const double scale = duration > 0 ? sliderSteps / duration : 0;
        trimStartSlider->setValue(int(std::lround(m_keptStart * scale)));
        trimEndSlider->setValue(duration > 0 ? int(std::lround(last * scale)) : sliderSteps);
    }
    trimStartEdit->setText(clockText(m_keptStart, true));
    trimEndEdit->setText(clockText(last, true));
    if (!globalFP) {
        setLabelText(keptPartLBL, QString());
        setLabelText(posterTimeLBL, QString());
        return;
    }
    const QString kept = QStringLiteral("%1 – %2, %3 s").arg(clockText(m_keptStart, true), clockText(last, true),
                                                           QString::number(last - m_keptStart, 'f', 1));
    QString text = kept;
    if (!isPartKept())
        text += QStringLiteral(" (the whole video)");
    setLabelText(keptPartLBL, text);
    setLabelText(posterTimeLBL, clockText(posterFrameSeconds(), true));
}

void AppDelegate::keptPartTyped(QLineEdit *edit, bool isStart)
{
    if (!globalFP || !edit->isModified())
        return;
    edit->setModified(false);
    const std::optional<PositionSetting> typed = parsePositionSetting(edit->text().trimmed());
    if (!typed) {
        setLabelText(keptPartLBL, QStringLiteral("“%1” is not a time: type one as 0:05.2 or 12.5, or a share as 10%.").arg(edit->text()));
        return;
    }
    double seconds = typed->value;
    if (typed->kind == PositionSetting::Kind::Share)
        seconds = globalFP->duration * typed->value / 100;
    if (isStart)
        setKeptPart(seconds, m_keptEnd);
    else
        setKeptPart(m_keptStart, seconds);
}

void AppDelegate::setStartAtPoster()
{
    setKeptPart(posterFrameSeconds(), m_keptEnd);
}

void AppDelegate::setEndAtPoster()
{
    setKeptPart(m_keptStart, posterFrameSeconds());
}
