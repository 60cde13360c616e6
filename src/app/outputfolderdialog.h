#pragma once

#include <QFileDialog>

// The save panel for a new output folder. Unlike a plain save dialog, choosing
// the name of an existing folder returns that folder (after the user agrees to
// replace it) instead of stepping into it.
class OutputFolderDialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit OutputFolderDialog(QWidget *parent = nullptr);

    [[nodiscard]] QString chosenPath() const { return m_chosenPath; }

public Q_SLOTS:
    void accept() override;

private:
    QString m_chosenPath;
};
