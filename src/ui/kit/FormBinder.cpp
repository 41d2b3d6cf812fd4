#include "ui/kit/FormBinder.h"

#include "base/TextForms.h"
#include "forms/Form.h"
#include "ui/kit/GridModel.h"
#include "ui/kit/NumberEdit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QTimeEdit>

using namespace Qt::StringLiterals;

namespace selvana {

namespace {

constexpr int kTooltipMs = 10000;
const char* const kBoundName = "selvanaControl";

// Memo widgets use "\n"; the stored texts use CR LF.
QString toModelLines(QString text)
{
    return text.replace(u"\n"_s, u"\r\n"_s);
}
QString toViewLines(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

// A drop-down opens as wide as its longest entry, with room for the scroll bar.
void fitDropDownWidth(QComboBox* combo)
{
    if (combo->count() == 0)
        return;
    const QFontMetrics metrics(combo->view()->font());
    int longest = 0;
    for (int i = 0; i < combo->count(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(combo->itemText(i)));
    const QStyle* style = combo->style();
    combo->view()->setMinimumWidth(longest + style->pixelMetric(QStyle::PM_ScrollBarSliderMin) +
                                   style->pixelMetric(QStyle::PM_ScrollBarExtent));
}

// Runs a model-to-view refresh unless the change came from this very widget.
class Echo {
public:
    bool active = false;
};

void bindState(QWidget* widget, Control& control)
{
    const bool isPage = qobject_cast<QStackedWidget*>(widget->parentWidget()) != nullptr;
    auto apply = [widget, &control, isPage] {
        widget->setEnabled(control.isEnabled());
        if (!isPage)
            widget->setVisible(control.isVisible());
        widget->setToolTip(control.hint());
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !control.caption().isEmpty())
            button->setText(control.caption());
        if (auto* panel = qobject_cast<Panel*>(&control); panel && panel->height() > 0)
            widget->setFixedHeight(panel->height());
    };
    widget->setToolTipDuration(kTooltipMs);
    apply();
    QObject::connect(&control, &Control::stateChanged, widget, apply);
}

} // namespace

FormBinder::FormBinder(Form& form, QObject* parent) : QObject(parent), m_form(form) {}

const char* FormBinder::captionProperty()
{
    return "selvanaCaptionOf";
}

void FormBinder::bind(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (widget->property(kBoundName).isValid())
            continue;
        const QVariant captionOf = widget->property(captionProperty());
        if (captionOf.isValid() && m_form.has(captionOf.toString())) {
            bindCaptionLabel(widget, captionOf.toString());
            widget->setProperty(kBoundName, true);
            continue;
        }
        if (!widget->objectName().isEmpty() && m_form.has(widget->objectName())) {
            bindWidget(widget);
            widget->setProperty(kBoundName, true);
        }
    }
}

void FormBinder::bindCaptionLabel(QWidget* widget, const QString& controlName)
{
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label)
        return;
    Control& control = m_form.control(controlName);
    auto apply = [label, &control] {
        label->setText(control.caption());
        label->setVisible(control.isVisible());
    };
    apply();
    connect(&control, &Control::stateChanged, label, apply);
}

bool FormBinder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn) {
        const QString name = watched->objectName();
        if (m_form.has(name)) {
            if (event->type() == QEvent::FocusOut)
                m_form.leave(name);
            else
                m_form.enter(name);
        }
    }
    return false;
}

void FormBinder::bindWidget(QWidget* widget)
{
    const QString name = widget->objectName();
    Control& control = m_form.control(name);
    Form& form = m_form;
    bindState(widget, control);
    auto echo = std::make_shared<Echo>();

    switch (control.kind()) {
    case Control::Kind::Text: {
        auto& field = static_cast<TextField&>(control);
        widget->installEventFilter(this);
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            auto show = [memo, &field, echo] {
                if (!echo->active && toModelLines(memo->toPlainText()) != field.text())
                    memo->setPlainText(toViewLines(field.text()));
            };
            show();
            connect(&field, &Control::valueChanged, memo, show);
            connect(memo, &QPlainTextEdit::textChanged, memo, [memo, &form, name, echo, show] {
                if (echo->active)
                    return;
                echo->active = true;
                form.setText(name, toModelLines(memo->toPlainText()));
                echo->active = false;
                show(); // a refused text goes back to what the model holds
            });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setReadOnly(field.isReadOnly());
            auto show = [edit, &field] {
                if (edit->text() != field.text())
                    edit->setText(field.text());
            };
            show();
            connect(&field, &Control::valueChanged, edit, show);
            connect(edit, &QLineEdit::textEdited, edit, [&form, name, show](const QString& text) {
                form.setText(name, text);
                show();
            });
        }
        break;
    }
    case Control::Kind::Number: {
        auto& field = static_cast<NumberField&>(control);
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (!edit)
            break;
        if (auto* number = qobject_cast<NumberEdit*>(edit))
            number->setDecimals(field.decimals());
        edit->setReadOnly(field.isReadOnly());
        widget->installEventFilter(this);
        auto show = [edit, &field, echo] {
            if (!echo->active && edit->text() != field.text())
                edit->setText(field.text());
        };
        show();
        connect(&field, &Control::valueChanged, edit, show);
        connect(edit, &QLineEdit::textEdited, edit, [&form, name, echo](const QString& text) {
            // Half-typed numbers ("-", "12,") wait; whole ones reach the model at once.
            bool ok = false;
            const double value = TextForms::tryParseNumber(text, &ok);
            if (!ok)
                return;
            echo->active = true;
            form.setValue(name, value);
            echo->active = false;
        });
        connect(edit, &QLineEdit::editingFinished, edit, show);
        break;
    }
    case Control::Kind::Date: {
        auto& field = static_cast<DateField&>(control);
        auto* edit = qobject_cast<QDateEdit*>(widget);
        if (!edit)
            break;
        edit->setDisplayFormat(u"dd.MM.yyyy"_s);
        edit->setSpecialValueText(u" "_s); // no date: an empty picker
        widget->installEventFilter(this);
        auto show = [edit, &field] {
            const QSignalBlocker block(edit);
            edit->setDate(field.date().isValid() ? field.date() : edit->minimumDate());
        };
        show();
        connect(&field, &Control::valueChanged, edit, show);
        connect(edit, &QDateEdit::dateChanged, edit, [edit, &form, name](const QDate& date) {
            form.setDate(name, date == edit->minimumDate() ? QDate() : date);
        });
        // Picking the date a picker already shows is a choice too.
        if (field.alwaysNotifies() && edit->calendarWidget())
            connect(edit->calendarWidget(), &QCalendarWidget::clicked, edit,
                    [edit, &form, name](const QDate& date) {
                        if (date == edit->date())
                            form.setDate(name, date);
                    });
        break;
    }
    case Control::Kind::Time: {
        auto& field = static_cast<TimeField&>(control);
        auto* edit = qobject_cast<QTimeEdit*>(widget);
        if (!edit)
            break;
        edit->setDisplayFormat(u"HH:mm"_s);
        widget->installEventFilter(this);
        auto show = [edit, &field] {
            const QSignalBlocker block(edit);
            edit->setTime(field.time());
        };
        show();
        connect(&field, &Control::valueChanged, edit, show);
        connect(edit, &QTimeEdit::timeChanged, edit,
                [&form, name](const QTime& time) { form.setText(name, TextForms::formatTime(time)); });
        break;
    }
    case Control::Kind::Choice: {
        auto& list = static_cast<ChoiceList&>(control);
        auto* combo = qobject_cast<QComboBox*>(widget);
        if (!combo)
            break;
        combo->setEditable(list.isEditable());
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(20);
        widget->installEventFilter(this);
        auto showText = [combo, &list] {
            const QSignalBlocker block(combo);
            if (combo->isEditable()) {
                if (combo->currentText() != list.text())
                    combo->setEditText(list.text());
            } else {
                combo->setCurrentIndex(list.currentIndex());
            }
        };
        auto showEntries = [combo, &list, showText] {
            {
                const QSignalBlocker block(combo);
                combo->clear();
                combo->addItems(list.texts());
            }
            fitDropDownWidth(combo);
            showText();
        };
        showEntries();
        connect(&list, &ChoiceList::entriesChanged, combo, showEntries);
        connect(&list, &Control::valueChanged, combo, showText);
        connect(combo, &QComboBox::activated, combo,
                [combo, &form, name](int index) { form.choose(name, combo->itemText(index)); });
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                    [&form, name, showText](const QString& text) {
                        form.setText(name, text);
                        showText();
                    });
        break;
    }
    case Control::Kind::Check: {
        auto& box = static_cast<CheckBox&>(control);
        auto* check = qobject_cast<QCheckBox*>(widget);
        if (!check)
            break;
        auto show = [check, &box] {
            const QSignalBlocker block(check);
            check->setChecked(box.isChecked());
        };
        show();
        connect(&box, &Control::valueChanged, check, show);
        connect(check, &QCheckBox::clicked, check, [&form, name, show](bool checked) {
            form.setChecked(name, checked);
            show();
        });
        break;
    }
    case Control::Kind::Button: {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!button)
            break;
        connect(button, &QAbstractButton::clicked, button, [&form, name] { form.click(name); });
        // A radio item shows whether its group has chosen it.
        const qsizetype cut = name.lastIndexOf(u'_');
        if (qobject_cast<QRadioButton*>(button) && cut > 0 && form.has(name.left(cut))) {
            auto* group = qobject_cast<RadioGroup*>(&form.control(name.left(cut)));
            if (group) {
                const int index = name.mid(cut + 1).toInt();
                auto show = [button, group, index] { button->setChecked(group->index() == index); };
                show();
                connect(group, &Control::valueChanged, button, show);
            }
        }
        break;
    }
    case Control::Kind::Label: {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(control.caption());
            connect(&control, &Control::stateChanged, label,
                    [label, &control] { label->setText(control.caption()); });
        }
        break;
    }
    case Control::Kind::Pages: {
        auto& pages = static_cast<PageControl&>(control);
        auto* stack = qobject_cast<QStackedWidget*>(widget);
        if (!stack)
            break;
        auto show = [stack, &pages] { stack->setCurrentIndex(pages.index()); };
        show();
        connect(&pages, &Control::valueChanged, stack, show);
        break;
    }
    case Control::Kind::Grid: {
        auto& grid = static_cast<GridControl&>(control);
        auto* view = qobject_cast<QTableView*>(widget);
        if (!view)
            break;
        auto* model = new GridModel(grid, view);
        view->setModel(model);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->horizontalHeader()->setVisible(grid.table().headerRows() > 0);
        auto showCurrent = [view, model, &grid] {
            const int row = model->viewRow(grid.table().currentRow());
            if (row >= 0 && row < model->rowCount())
                view->selectRow(row);
        };
        showCurrent();
        connect(&grid, &Control::valueChanged, view, showCurrent);
        connect(view, &QTableView::clicked, view, [&form, name, model](const QModelIndex& index) {
            form.selectCell(name, index.column(), model->tableRow(index.row()));
        });
        // Moving through the rows with the keyboard selects them too (not the program's own moves).
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, view,
                [view, &form, name, model](const QModelIndex& index) {
                    if (index.isValid() && view->hasFocus())
                        form.selectCell(name, index.column(), model->tableRow(index.row()));
                });
        break;
    }
    case Control::Kind::Panel:
    case Control::Kind::Radio: break;
    }
}

} // namespace selvana
