#include "reports/LaidOutPage.h"

namespace selvana {

QStringList LaidOutPage::texts() const
{
    QStringList result;
    for (const LaidOutItem& item : items) {
        if (item.kind == ReportItemKind::Text)
            result.append(item.text);
    }
    return result;
}

} // namespace selvana
