#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Videofold"));
    QApplication::setOrganizationName(QStringLiteral("Videofold"));
    QApplication::setApplicationVersion(QStringLiteral(VIDEOFOLD_VERSION));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Videofold"));
    window.resize(640, 480);
    window.show();
    return application.exec();
}
