#pragma once

// Helpers shared by the widget tests.

#include "app/appdelegate.h"
#include "common/translations.h"
#include "app/dropviews.h"
#include "app/exportsheet.h"
#include "app/keptpartcontrols.h"
#include "app/notificationcenter.h"
#include "app/openflow.h"
#include "app/outputcontrols.h"
#include "app/posterpreview.h"
#include "app/progresssheet.h"
#include "app/queueflow.h"
#include "app/saveflow.h"
#include "probe/fileprobe.h"
#include "testing.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QDir>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

// Records what the application hands to the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

// Points the settings store and the data folder (where the export queue is
// kept) at private folders for the whole run; call before the application object exists.
inline void usePrivateSettingsStore()
{
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
}

// The window and its parts as the application starts them.
// The translations, installed before the window is made, as main() does.
struct WithTranslations
{
    WithTranslations() { installTranslations(); }
};

struct LaunchedDelegate : WithTranslations, AppDelegate
{
    LaunchedDelegate() { applicationDidFinishLaunching(); }
};

// The window's widget or action of that object name; the test fails without one.
template <typename T>
T *child(const AppDelegate &delegate, const char *name)
{
    T *found = delegate.window()->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("The window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// Clicks the button of box with that text; false when there is none.
inline bool clickButton(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *button : box ? box->buttons() : QList<QAbstractButton *>()) {
        if (QString(button->text()).remove(u'&') == text) { // Qt's own buttons carry mnemonics: "&OK"
            button->click();
            return true;
        }
    }
    return false;
}

// Opens a file through the window; waits for the verdict and, when it is
// accepted, for the poster preview.
inline bool openAndWait(AppDelegate &delegate, const QString &path)
{
    QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
    delegate.opening().open(path);
    return opened.wait(20'000)
        && (!opened.first().first().toBool() || QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 20'000));
}

// Whether the export's encoder runs now (it starts once the poster is extracted).
inline bool encoderRunning(const AppDelegate &delegate)
{
    return delegate.exportSheet().encoderProcess() && delegate.exportSheet().encoderProcess()->state() == QProcess::Running;
}

// The alert on the window, taken so the next call finds the next one.
inline QMessageBox *takeAlert(AppDelegate &delegate)
{
    QMessageBox *alert = delegate.window()->findChild<QMessageBox *>(QStringLiteral("alert"));
    if (alert)
        alert->setObjectName(QStringLiteral("answered"));
    return alert;
}

// The text of the alert on the window, which is then answered; empty when none is up.
inline QString answerAlert(AppDelegate &delegate)
{
    QMessageBox *alert = takeAlert(delegate);
    const QString text = alert ? alert->text() : QString();
    if (alert)
        alert->close();
    return text;
}

// Exports into folder through the window; the outcome, or nothing when it never came.
inline std::optional<bool> exportAndWait(AppDelegate &delegate, const QString &folder, int timeout = 60'000)
{
    QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
    delegate.saving().exportInto(folder);
    if (!finished.wait(timeout))
        return std::nullopt;
    return finished.first().first().toBool();
}
