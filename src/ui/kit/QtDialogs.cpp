#include "ui/kit/QtDialogs.h"

#include "ui/kit/ReportPreview.h"

#include <QApplication>
#include <QMessageBox>

namespace selvana {

void QtDialogs::message(const QString& text)
{
    QMessageBox::information(m_parent, QApplication::applicationDisplayName(), text, QMessageBox::Ok);
}

bool QtDialogs::confirm(const QString& title, const QString& text)
{
    return QMessageBox::question(m_parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtDialogs::preview(const QList<LaidOutPage>& pages, const QString& title)
{
    showReportPreview(
        pages, title, [this](const QString& text) { message(text); }, m_parent);
}

} // namespace selvana
