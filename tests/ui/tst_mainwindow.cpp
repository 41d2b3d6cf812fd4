#include "TempDataFolder.h"
#include "TestInput.h"
#include "app/Application.h"
#include "ui/kit/KeyNavigator.h"
#include "ui/kit/NumberEdit.h"
#include "ui/main/MainWindow.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace selvana;
using namespace Qt::StringLiterals;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void settingsSavedFromTheRealWindow();
    void numberEditTyping();
    void enterAndArrowsMoveFocus();
};

void MainWindowTest::settingsSavedFromTheRealWindow()
{
    test::TempDataFolder tmp;
    Application app(tmp.environment());
    MainWindow window(app);
    QVERIFY(app.start());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), u"Selvana"_s);

    auto* settings = window.findChild<QPushButton*>(u"bg_jahaci_8"_s);
    QVERIFY(settings);
    QCOMPARE(settings->text(), u"Posta&vke"_s);
    QVERIFY(!window.findChild<QPushButton*>(u"bg_jahaci_1"_s)->isEnabled());
    QTest::mouseClick(settings, Qt::LeftButton);
    auto* pages = window.findChild<QStackedWidget*>(u"pc_selvana"_s);
    QCOMPARE(pages->currentWidget()->objectName(), u"ts_postavke"_s);

    auto* place = window.findChild<QLineEdit*>(u"ed_ps_mjesto"_s);
    QVERIFY(place && place->isVisible());
    QCOMPARE(place->text(), u"Zagreb"_s);
    place->setFocus();
    place->selectAll();
    test::typeText(place, u"Varaždin"_s);
    QTest::mouseClick(window.findChild<QPushButton*>(u"bt_ps_spremi"_s), Qt::LeftButton);

    QFile ini(tmp.dataFolder() + u"RovarIrorov.ini"_s);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("Naziv=Vara\x9E"
                                   "din\r\n"));
    QCOMPARE(window.findChild<QLabel*>(u"sb_0_1"_s)->text(),
             u"Odaberite subjekta / Odaberite godinu / Otvorite knjigu naloga"_s);
}

void MainWindowTest::numberEditTyping()
{
    NumberEdit edit;
    edit.setDecimals(2);
    edit.show();
    QTest::keyClicks(&edit, u"-12a.5x67"_s);
    QCOMPARE(edit.text(), u"-12,56"_s); // letters refused, "." became ",", third decimal refused
    QTest::keyClicks(&edit, u"-,"_s);
    QCOMPARE(edit.text(), u"-12,56"_s);
}

void MainWindowTest::enterAndArrowsMoveFocus()
{
    test::TempDataFolder tmp;
    Application app(tmp.environment());
    MainWindow window(app);
    KeyNavigator navigator;
    qApp->installEventFilter(&navigator);
    app.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    app.main().click(u"bg_jahaci_8");
    auto* place = window.findChild<QLineEdit*>(u"ed_ps_mjesto"_s);
    auto* base = window.findChild<QLineEdit*>(u"ed_pst_lokacija_baze"_s);
    window.activateWindow();
    place->setFocus();
    QTRY_VERIFY(place->hasFocus());
    QTest::keyClick(place, Qt::Key_Return);
    QTRY_VERIFY(base->hasFocus());
    QTest::keyClick(base, Qt::Key_Up);
    QTRY_VERIFY(place->hasFocus());
    QTest::keyClick(place, Qt::Key_Down);
    QTRY_VERIFY(base->hasFocus());
    qApp->removeEventFilter(&navigator);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
