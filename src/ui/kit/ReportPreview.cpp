#include "ui/kit/ReportPreview.h"

#include "base/AppError.h"
#include "reports/ReportPainter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

// The title as a file name: "Putni nalog 7/2013" gives "Putni nalog 7-2013.pdf".
QString suggestedFile(const QString& title)
{
    QString name = title;
    for (const QChar c : u"/\\:*?\"<>|"_s)
        name.replace(c, u'-');
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath((name.isEmpty() ? u"Ispis"_s : name) + u".pdf"_s);
}

void savePdf(QWidget* parent, const QList<LaidOutPage>& pages, const QString& title,
             const std::function<void(const QString&)>& showError)
{
    QString path = QFileDialog::getSaveFileName(parent, u"Spremi PDF"_s, suggestedFile(title),
                                                u"PDF datoteke (*.pdf)"_s);
    if (path.isEmpty())
        return;
    if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        path += u".pdf"_s;
    try {
        ReportPainter::writePdf(path, pages, title);
    } catch (const AppError& error) {
        showError(error.text());
    }
}

} // namespace

void showReportPreview(const QList<LaidOutPage>& pages, const QString& title,
                       const std::function<void(const QString&)>& showError, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(u"ReportPreview"_s);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* device) { ReportPainter::print(*device, pages); });

    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->addSeparator();
        QAction* save = toolBar->addAction(u"Spremi PDF"_s);
        save->setObjectName(u"act_spremi_pdf"_s);
        QObject::connect(save, &QAction::triggered, &dialog, [&dialog, &pages, &title, &showError] {
            savePdf(&dialog, pages, title, showError);
        });
    }
    dialog.resize(900, 800);
    dialog.exec();
}

} // namespace selvana
