#include "apptesting.h"

#include "app/outputfolderdialog.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

// The window as a German desktop shows it (LC_ALL=de_DE.UTF-8, set by CTest):
// its words, what a screen reader hears, its keys, Qt's own dialogs and the
// numbers it writes and reads.
class TestGerman : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void heardAndSeenInGerman()
    {
        LaunchedDelegate delegate;
        QMainWindow *window = delegate.window();
        window->show();
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        const auto heard = [&](const char *name) {
            QWidget *widget = window->findChild<QWidget *>(QString::fromLatin1(name));
            QAccessibleInterface *accessible = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
            return accessible ? std::pair{accessible->text(QAccessible::Name), accessible->text(QAccessible::Description)}
                              : std::pair{QString(), QString()};
        };
        const std::tuple<const char *, QString, QString> controls[] = {
            {"outputResolutionSlider", u"Bildgröße"_s, u"640 x 360"_s}, {"outputFileSizeSlider", u"Zielgröße"_s, u"1,8 MB"_s},
            {"outputFileSizeLimitBox", u"Obergrenze"_s, {}}, {"posterImageSlider", u"Vorschaubild"_s, u"0:15,0"_s},
            {"posterIMGView", u"Vorschaubild bei 0:15,0"_s, {}}, {"trimStartEdit", u"Startzeit"_s, {}},
            {"trimEndEdit", u"Endzeit"_s, {}}, {"setStartBTN", u"Start festlegen"_s, {}}, {"setEndBTN", u"Ende festlegen"_s, {}}};
        for (const auto &[object, name, description] : controls) {
            const auto [heardName, heardDescription] = heard(object);
            QVERIFY2(heardName == name && (description.isEmpty() || heardDescription == description),
                     qPrintable(QString::fromLatin1(object) + u": "_s + heardName + u" / "_s + heardDescription));
        }
        const std::pair<const char *, QString> actions[] = {
            {"openVideoBTN", u"Video öffnen"_s}, {"saveToolBarBTN", u"HTML5-Video speichern"_s},
            {"addToQueueBTN", u"Zur Warteschlange hinzufügen"_s}, {"helpBTN", u"Hilfe"_s}};
        for (const auto &[object, name] : actions) {
            QWidget *button = window->findChild<QToolBar *>()->widgetForAction(child<QAction>(delegate, object));
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), name);
        }
        QStringList menus;
        for (const QAction *menu : window->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{u"&Datei"_s, u"&Bearbeiten"_s, u"&Ansicht"_s, u"&Hilfe"_s}));

        // No visible word is an identifier or left in English; the keys of the captions, the
        // buttons and the menus are all different.
        QStringList identifiers;
        for (const QObject *object : window->findChildren<QObject *>())
            identifiers << object->objectName();
        identifiers.removeAll(QString());
        QStringList keys;
        for (const QString &menu : menus)
            keys << menu.section(u'&', 1).left(1).toLower();
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            QVERIFY2(!identifiers.contains(label->text()), qPrintable(label->text()));
            for (const char *english : {"Frame size", "Target size", "Poster frame", "Set ", "of "})
                QVERIFY2(!label->text().remove(u'&').startsWith(QLatin1StringView(english)), qPrintable(label->text()));
            if (label->buddy())
                keys << label->text().section(u'&', 1).left(1).toLower();
        }
        for (const char *button : {"setStartBTN", "setEndBTN"})
            keys << child<QPushButton>(delegate, button)->text().section(u'&', 1).left(1).toLower();
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());

        // "8,5 MB" as the window writes it is taken as a limit; a word is refused in German.
        auto *limit = child<QComboBox>(delegate, "outputFileSizeLimitBox");
        for (const QString &typed : {u"8,5 MB"_s, u"8.5 MB"_s}) {
            limit->lineEdit()->setText(typed);
            QMetaObject::invokeMethod(limit->lineEdit(), &QLineEdit::editingFinished);
            const ExportChoice choice = delegate.exportChoice();
            QVERIFY2(choice.size.kind == SizeSetting::Kind::Bytes && choice.size.value == 8'500'000, qPrintable(typed));
            QVERIFY(!child<QLabel>(delegate, "outputFileSizeLimitProblemLBL")->isVisible());
        }
        QCOMPARE(limit->currentText(), u"8,5 MB"_s);
        limit->lineEdit()->setText(u"acht"_s);
        QMetaObject::invokeMethod(limit->lineEdit(), &QLineEdit::editingFinished);
        QVERIFY(child<QLabel>(delegate, "outputFileSizeLimitProblemLBL")->text().startsWith(u"„acht“ ist keine Größe"_s));

        // Qt's own words in its dialogs: the save panel's buttons.
        child<QAction>(delegate, "saveToolBarBTN")->trigger();
        auto *panel = window->findChild<OutputFolderDialog *>();
        QVERIFY(panel);
        QStringList buttons;
        for (const QAbstractButton *button : panel->findChild<QDialogButtonBox *>()->buttons())
            buttons << button->text();
        QVERIFY2(buttons.contains(u"HTML5-Video erstellen"_s) && buttons.contains(u"Abbrechen"_s), qPrintable(buttons.join(u", ")));
        panel->reject();
    }
};

QTEST_MAIN(TestGerman)
#include "tst_german.moc"
