#pragma once

#include <QFileDialog>

class QLineEdit;

// The save panel for a new output folder. It behaves as a platform save panel:
// a typed path of an existing folder, "." or ".." moves the panel there; a plain
// name that exists in the folder on display is returned once the user agrees to
// replace it; any name or path whose last part does not exist yet is a choice.
class OutputFolderDialog : public QFileDialog
{
    Q_OBJECT
public:
    explicit OutputFolderDialog(QWidget *parent = nullptr);

    [[nodiscard]] QString chosenPath() const { return m_chosenPath; }

public Q_SLOTS:
    void accept() override;

private:
    [[nodiscard]] QLineEdit *nameField() const;
    [[nodiscard]] bool agreesToReplace(const QString &path);
    void keepAcceptLabel();

    QString m_chosenPath;
};
