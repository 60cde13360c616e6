#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QDialog;
class QWidget;

namespace Ui {
class ProgressSheet;
}

// The window-modal sheet of a long task: a title, a bar, a line of detail and,
// for an export, Cancel (also Escape). Only its owner takes it down: the window
// manager's close button does nothing.
class ProgressSheet : public QObject
{
    Q_OBJECT
public:
    explicit ProgressSheet(QWidget *window);
    ~ProgressSheet() override;

    // A bar without percentages and no Cancel for an indeterminate task.
    void show(bool indeterminate, const QString &title);
    void hide();
    [[nodiscard]] bool isVisible() const;
    void setPercent(double percent);
    void setIndeterminate();
    void setDetail(const QString &text);
    [[nodiscard]] QDialog *dialog() const { return m_dialog; }

Q_SIGNALS:
    void cancelRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::ProgressSheet> m_ui;
    QDialog *m_dialog;
    bool m_allowClose = false;
};
