#include "app/MainWindowModel.h"
#include "ui/kit/PageBuilder.h"
#include "ui/main/PageViews.h"

#include <QWidget>

namespace selvana {

void buildReportsView(MainWindowModel& model, QWidget* page)
{
    PageBuilder b(model, page);
    b.heading(model.get<Panel>(page->objectName()).caption());
    b.stretch();
}

} // namespace selvana
