#include "app/Application.h"
#include "app/InstanceLock.h"
#include "app/PrintCommand.h"
#include "storage/Folders.h"
#include "ui/kit/KeyNavigator.h"
#include "ui/kit/QtDialogs.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;
using namespace selvana;

namespace {

// Without a window every message goes to standard error and every question is declined.
class ConsoleDialogs : public Dialogs {
public:
    void message(const QString& text) override { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
    bool confirm(const QString& title, const QString& text) override
    {
        message(title + u": "_s + text);
        return false;
    }
};

bool asksForPrintout(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--print-order") == 0 || std::strcmp(argv[i], "--print-report") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    // A printout from the command line shows no window, so it needs no display either.
    const bool printing = asksForPrintout(argc, argv);
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

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
    const QCommandLineOption printOrder(
        u"print-order"_s, u"Putni nalog u PDF: --print-order SUBJEKT GODINA BROJ --pdf DATOTEKA"_s);
    const QCommandLineOption printReport(
        u"print-report"_s,
        u"Popis putnih naloga u PDF: --print-report SUBJEKT GODINA VRSTA --pdf DATOTEKA"_s);
    const QCommandLineOption pdf(u"pdf"_s, u"PDF datoteka ispisa."_s, u"FILE"_s);
    const QCommandLineOption month(u"month"_s, u"Mjesec mjesečnog izvještaja (01-12)."_s, u"MM"_s);
    const QCommandLineOption person(u"person"_s, u"Djelatnik izvještaja."_s, u"NAME"_s);
    parser.addOptions({dataDir, archiveDir, deployment, printOrder, printReport, pdf, month, person});
    parser.process(qtApp);

    const QString exeDir = QApplication::applicationDirPath();
    QtDialogs dialogs;
    ConsoleDialogs console;
    SystemClock clock;
    QString deploymentFile = parser.value(deployment);
    if (deploymentFile.isEmpty())
        deploymentFile = qEnvironmentVariable("SELVANA_DEPLOYMENT");
    Environment env{Folders::resolveDataRoot(parser.value(dataDir), exeDir),
                    Folders::resolveArchiveFolder(parser.value(archiveDir)),
                    Folders::resolveTablesFolder(exeDir),
                    deploymentFile,
                    printing ? static_cast<Dialogs*>(&console) : &dialogs,
                    &clock,
                    printing};

    if (printing) {
        // Printing only reads the books, so it runs beside an open window.
        PrintRequest request;
        request.what = parser.isSet(printReport) ? PrintRequest::OrderList : PrintRequest::Order;
        if (parser.isSet(printReport) && parser.isSet(printOrder))
            request.arguments.clear(); // both asked for: refused with the usage
        else
            request.arguments = parser.positionalArguments();
        request.pdf = parser.value(pdf);
        request.month = parser.value(month);
        request.person = parser.value(person);
        Application app(env);
        return runPrintCommand(app, request);
    }

    InstanceLock lock(env.dataRoot);
    if (!lock.tryLock()) {
        dialogs.message(lock.refusal());
        return 1;
    }

    KeyNavigator navigator;
    qtApp.installEventFilter(&navigator);

    Application app(env);
    MainWindow window(app);
    dialogs.setParentWidget(&window);
    if (!app.start() || !app.runStartupChores())
        return 0;
    window.show();
    return QApplication::exec();
}
