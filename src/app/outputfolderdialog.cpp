#include "app/outputfolderdialog.h"

#include "app/alerts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QStandardPaths>

namespace {

const QString defaultName = QStringLiteral("HTML5Video");
// Read when the panel opens, in the language loaded by then.
QString acceptLabel()
{
    return QCoreApplication::translate("OutputFolderDialog", "Create HTML5 Video");
}

QString initialDirectory()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return desktop;
    return QDir::homePath();
}

// What a user types to go somewhere rather than to name something: a path
// (anything with a separator, or starting with "~"), "." or "..".
bool isNavigationText(const QString &typed)
{
    return typed == u"." || typed == u".." || typed.contains(u'/') || typed.startsWith(u'~');
}

QString expandedHome(const QString &typed)
{
    if (typed == u"~" || typed.startsWith(u"~/"))
        return QDir::homePath() + typed.sliced(1);
    return typed;
}

} // namespace

OutputFolderDialog::OutputFolderDialog(QWidget *parent) : QFileDialog(parent)
{
    // Only Qt's own dialog lets an existing folder's name be chosen.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::DontConfirmOverwrite);
    selectFile(defaultName);
    setLabelText(QFileDialog::Accept, acceptLabel());
    setWindowTitle(tr("Create Folder"));
    setLabelText(QFileDialog::FileName, tr("Named:"));
    setDirectory(initialDirectory());
    setWindowModality(Qt::WindowModal);
    // Qt's dialog renames the button "Open" whenever the name field holds a
    // folder's name; here that name would be replaced, not opened.
    if (QLineEdit *field = nameField())
        connect(field, &QLineEdit::textChanged, this, &OutputFolderDialog::keepAcceptLabel, Qt::QueuedConnection);
    connect(this, &QFileDialog::currentChanged, this, &OutputFolderDialog::keepAcceptLabel, Qt::QueuedConnection);
    connect(this, &QFileDialog::directoryEntered, this, &OutputFolderDialog::keepAcceptLabel, Qt::QueuedConnection);
}

QLineEdit *OutputFolderDialog::nameField() const
{
    return findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

void OutputFolderDialog::keepAcceptLabel()
{
    if (auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))) {
        for (QAbstractButton *button : buttons->buttons()) {
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole && button->text() != acceptLabel())
                button->setText(acceptLabel());
        }
    }
}

void OutputFolderDialog::accept()
{
    QLineEdit *field = nameField();
    const QString typed = field ? field->text().trimmed() : QString();
    if (typed.isEmpty())
        return;
    const QString path = QDir::cleanPath(QDir(directory().absolutePath()).absoluteFilePath(expandedHome(typed)));
    const QFileInfo info(path);
    if (isNavigationText(typed) && info.isDir()) {
        setDirectory(path);
        field->setText(defaultName);
        return;
    }
    if ((info.exists() || info.isSymLink()) && !agreesToReplace(path))
        return;
    m_chosenPath = path;
    done(QDialog::Accepted);
}

bool OutputFolderDialog::agreesToReplace(const QString &path)
{
    QMessageBox question(QMessageBox::Warning, tr("Replace"),
                         tr("“%1” already exists. Do you want to replace it?").arg(QFileInfo(path).fileName()),
                         QMessageBox::Cancel | QMessageBox::Yes, this);
    question.setDefaultButton(QMessageBox::Cancel);
    showTextsPlainly(&question);
    return question.exec() == QMessageBox::Yes;
}
