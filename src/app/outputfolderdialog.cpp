#include "app/outputfolderdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

QString initialDirectory()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return desktop;
    return QDir::homePath();
}

} // namespace

OutputFolderDialog::OutputFolderDialog(QWidget *parent) : QFileDialog(parent)
{
    // Only Qt's own dialog lets an existing folder's name be chosen.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite);
    selectFile(QStringLiteral("HTML5Video"));
    setLabelText(QFileDialog::Accept, QStringLiteral("Create HTML5 Video"));
    setWindowTitle(QStringLiteral("Create Folder"));
    setLabelText(QFileDialog::FileName, QStringLiteral("Named:"));
    setDirectory(initialDirectory());
    setWindowModality(Qt::WindowModal);
}

void OutputFolderDialog::accept()
{
    const QLineEdit *nameField = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    const QString name = nameField ? nameField->text().trimmed() : QString();
    if (name.isEmpty())
        return;
    const QString path = QDir::cleanPath(QDir(directory().absolutePath()).absoluteFilePath(name));
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        const auto answer = QMessageBox::warning(
            this, QStringLiteral("Replace"),
            QStringLiteral("“%1” already exists. Do you want to replace it?").arg(QFileInfo(path).fileName()),
            QMessageBox::Cancel | QMessageBox::Yes, QMessageBox::Cancel);
        if (answer != QMessageBox::Yes)
            return;
    }
    m_chosenPath = path;
    done(QDialog::Accepted);
}
