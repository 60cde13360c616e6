#pragma once

#include "app/sourcevideo.h"

#include <QObject>

#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
struct ExportChoice;

// The part of the video kept: its start and end sliders (in ten-thousandths
// of the duration), the times typed, Set Start and Set End (also in the Edit
// menu, keys I and O), and the line that says what is kept or why not.
class KeptPartControls : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QSlider *startSlider;
        QSlider *endSlider;
        QLineEdit *startEdit;
        QLineEdit *endEdit;
        QLabel *keptLabel;
        QPushButton *setStartButton;
        QPushButton *setEndButton;
        QMenu *editMenu;
    };
    explicit KeptPartControls(const Widgets &widgets, QObject *parent = nullptr);

    // The whole video kept, the controls enabled when one is open.
    void setSource(const SourceVideo &source);
    void setEnabled(bool enabled);
    // Keeps the part from start to end (nothing: the video's end; an end past
    // it is its end); false, with the reason under the controls, when that keeps nothing.
    bool setPart(double start, std::optional<double> end);
    void setStart(double seconds) { setPart(seconds, m_end); }
    void setEnd(double seconds) { setPart(m_start, seconds); }
    [[nodiscard]] bool isPartKept() const { return m_start > 0 || m_end.has_value(); }
    // The start and the end of the choice.
    void fillChoice(ExportChoice &choice) const;

Q_SIGNALS:
    void partChanged(double start, std::optional<double> end);
    // Set Start or Set End: at the poster frame, which the part does not know.
    void startAtPosterRequested();
    void endAtPosterRequested();
    // A handle dragged shows its frame; let go, the poster again.
    void frameWanted(double seconds);
    void dragEnded();

private:
    void refresh();
    // Shows why a part keeps nothing under the controls; empty: no problem.
    void showProblem(const QString &problem);
    void typed(QLineEdit *edit, bool isStart);
    [[nodiscard]] double sliderSeconds(int value) const;
    [[nodiscard]] double duration() const;

    Widgets m_widgets;
    QList<QAction *> m_actions; // Set Start, Set End: enabled with the controls
    SourceVideo m_source;
    double m_start = 0;
    std::optional<double> m_end;
};
