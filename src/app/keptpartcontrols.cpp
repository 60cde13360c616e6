#include "app/keptpartcontrols.h"

#include "app/labels.h"
#include "export/exportchoice.h"
#include "export/settingstext.h"
#include "probe/fileprobe.h"

#include <QLocale>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

#include <cmath>

namespace {

constexpr int sliderSteps = 10000;

} // namespace

KeptPartControls::KeptPartControls(const Widgets &widgets, QObject *parent) : QObject(parent), m_widgets(widgets)
{
    // The fields stand beside the sliders' captions; they are heard as what they hold.
    m_widgets.startEdit->setAccessibleName(tr("Start time"));
    m_widgets.endEdit->setAccessibleName(tr("End time"));
    // A handle moved where it keeps nothing goes back to where the part is.
    connect(m_widgets.startSlider, &QSlider::valueChanged, this, [this](int value) {
        if (!setPart(sliderSeconds(value), m_end))
            refresh();
    });
    connect(m_widgets.endSlider, &QSlider::valueChanged, this, [this](int value) {
        std::optional<double> end;
        if (value < sliderSteps)
            end = sliderSeconds(value);
        if (!setPart(m_start, end))
            refresh();
    });
    for (QSlider *slider : {m_widgets.startSlider, m_widgets.endSlider}) {
        connect(slider, &QSlider::sliderMoved, this, [this](int value) {
            if (m_source.isOpen())
                Q_EMIT frameWanted(sliderSeconds(value));
        });
        connect(slider, &QSlider::sliderReleased, this, &KeptPartControls::dragEnded);
    }
    connect(m_widgets.startEdit, &QLineEdit::editingFinished, this, [this] { typed(m_widgets.startEdit, true); });
    connect(m_widgets.endEdit, &QLineEdit::editingFinished, this, [this] { typed(m_widgets.endEdit, false); });
    // In the Edit menu too, with their keys, wherever the focus is but in a text field.
    m_widgets.editMenu->addSeparator();
    for (const auto &[button, key, wanted] :
         {std::tuple{m_widgets.setStartButton, Qt::Key_I, &KeptPartControls::startAtPosterRequested},
          std::tuple{m_widgets.setEndButton, Qt::Key_O, &KeptPartControls::endAtPosterRequested}}) {
        auto *action = m_widgets.editMenu->addAction(button->text());
        action->setObjectName(button->objectName() + QStringLiteral("Action"));
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this, wanted);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        m_actions << action;
    }
}

double KeptPartControls::duration() const
{
    return m_source.isOpen() ? m_source.probe->duration : 0;
}

double KeptPartControls::sliderSeconds(int value) const
{
    return duration() * value / sliderSteps;
}

void KeptPartControls::setSource(const SourceVideo &source)
{
    m_source = source;
    m_start = 0;
    m_end.reset();
    setEnabled(source.isOpen());
    refresh();
}

void KeptPartControls::setEnabled(bool enabled)
{
    const bool open = enabled && m_source.isOpen();
    for (QWidget *control : std::initializer_list<QWidget *>{m_widgets.startSlider, m_widgets.endSlider, m_widgets.startEdit,
                                                           m_widgets.endEdit, m_widgets.setStartButton, m_widgets.setEndButton})
        control->setEnabled(open);
    for (QAction *action : std::as_const(m_actions))
        action->setEnabled(open);
}

bool KeptPartControls::setPart(double start, std::optional<double> end)
{
    if (duration() <= 0)
        return false;
    std::optional<PositionSetting> endSetting;
    if (end)
        endSetting = PositionSetting{PositionSetting::Kind::Seconds, *end};
    const KeptPart part = keptPart(PositionSetting{PositionSetting::Kind::Seconds, start}, endSetting, duration(),
                                   frameSeconds(*m_source.probe));
    if (!part.problem.isEmpty()) {
        showProblem(part.problem);
        return false;
    }
    m_start = part.start;
    m_end = part.end;
    refresh();
    Q_EMIT partChanged(m_start, m_end);
    return true;
}

void KeptPartControls::fillChoice(ExportChoice &choice) const
{
    choice.start.reset();
    choice.end.reset();
    if (m_start > 0)
        choice.start = PositionSetting{PositionSetting::Kind::Seconds, m_start};
    if (m_end)
        choice.end = PositionSetting{PositionSetting::Kind::Seconds, *m_end};
}

void KeptPartControls::refresh()
{
    const double last = m_end.value_or(duration());
    {
        const QSignalBlocker start(m_widgets.startSlider);
        const QSignalBlocker end(m_widgets.endSlider);
        const double scale = duration() > 0 ? sliderSteps / duration() : 0;
        m_widgets.startSlider->setValue(int(std::lround(m_start * scale)));
        m_widgets.endSlider->setValue(duration() > 0 ? int(std::lround(last * scale)) : sliderSteps);
    }
    showProblem(QString());
    m_widgets.startEdit->setText(clockText(m_start, true));
    m_widgets.endEdit->setText(clockText(last, true));
    if (!m_source.isOpen()) {
        setLabelText(m_widgets.keptLabel, QString());
        return;
    }
    const QString length = QLocale().toString(last - m_start, 'f', 1);
    const QString text = isPartKept()
        ? tr("%1 – %2, %3 s", "the kept part's start, end and length").arg(clockText(m_start, true), clockText(last, true), length)
        : tr("%1 – %2, %3 s (the whole video)", "the kept part's start, end and length").arg(clockText(m_start, true), clockText(last, true), length);
    setLabelText(m_widgets.keptLabel, text);
}

void KeptPartControls::showProblem(const QString &problem)
{
    if (!problem.isEmpty())
        setLabelText(m_widgets.keptLabel, problem);
    // A problem shown under the fields is heard on them too.
    for (QLineEdit *edit : {m_widgets.startEdit, m_widgets.endEdit})
        edit->setAccessibleDescription(problem);
}

void KeptPartControls::typed(QLineEdit *edit, bool isStart)
{
    if (!m_source.isOpen() || !edit->isModified())
        return;
    edit->setModified(false);
    const std::optional<PositionSetting> position = parsePositionSetting(withDotDecimals(edit->text().trimmed()));
    if (!position) {
        showProblem(tr("“%1” is not a time: type one as 0:05.2 or 12.5, or a share as 10%.").arg(edit->text()));
        return;
    }
    const double seconds = position->kind == PositionSetting::Kind::Share ? duration() * position->value / 100 : position->value;
    if (isStart)
        setStart(seconds);
    else
        setEnd(seconds);
}
