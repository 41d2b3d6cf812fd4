#include "app/Application.h"
#include "app/Folders.h"
#include "app/InstanceLock.h"
#include "ui/kit/KeyNavigator.h"
#include "ui/kit/QtDialogs.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

using namespace Qt::StringLiterals;
using namespace selvana;

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(u"Selvana"_s);
    QApplication::setApplicationDisplayName(u"Selvana"_s);
    QApplication::setOrganizationName(u"Brenvald"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Putni nalozi"_s);
    parser.addHelpOption();
    const QCommandLineOption dataDir(u"data-dir"_s, u"Mapa s podacima (KVA_PUT, KVA_LOK)."_s, u"DIR"_s);
    const QCommandLineOption archiveDir(u"archive-dir"_s, u"Mapa dnevnih arhiva."_s, u"DIR"_s);
    const QCommandLineOption deployment(u"deployment"_s, u"INI datoteka postavki instalacije."_s, u"FILE"_s);
    parser.addOptions({dataDir, archiveDir, deployment});
    parser.process(qtApp);

    const QString exeDir = QApplication::applicationDirPath();
    QtDialogs dialogs;
    SystemClock clock;
    QString deploymentFile = parser.value(deployment);
    if (deploymentFile.isEmpty())
        deploymentFile = qEnvironmentVariable("SELVANA_DEPLOYMENT");
    Environment env{Folders::resolveDataRoot(parser.value(dataDir), exeDir),
                    Folders::resolveArchiveFolder(parser.value(archiveDir)),
                    Folders::resolveTablesFolder(exeDir),
                    deploymentFile,
                    &dialogs,
                    &clock};

    InstanceLock lock(env.dataRoot);
    if (!lock.tryLock()) {
        dialogs.message(InstanceLock::refusedMessage());
        return 1;
    }

    KeyNavigator navigator;
    qtApp.installEventFilter(&navigator);

    Application app(env);
    MainWindow window(app);
    dialogs.setParentWidget(&window);
    if (!app.start())
        return 0;
    window.show();
    return QApplication::exec();
}
