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

#include <memory>

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

// Shows the control in its widget now and after every change of its value.
template <class Show> void follow(Control& control, QWidget* widget, Show show)
{
    show();
    QObject::connect(&control, &Control::valueChanged, widget, show);
}

// Binds one widget to its control, one function per class of control; a widget of another
// kind than the control's is left as it is.
class WidgetBinding final : public ControlVisitor {
public:
    WidgetBinding(Form& form, QWidget* widget, QObject* focusWatcher)
        : m_form(form), m_widget(widget), m_name(widget->objectName()), m_focusWatcher(focusWatcher)
    {}

    void visit(TextField& field) override;
    void visit(NumberField& field) override;
    void visit(DateField& field) override;
    void visit(TimeField& field) override;
    void visit(ChoiceList& list) override;
    void visit(CheckBox& box) override;
    void visit(RadioGroup&) override {} // its items are buttons, bound by their own names
    void visit(Button& button) override;
    void visit(Label& label) override;
    void visit(Panel&) override {}
    void visit(PageControl& pages) override;
    void visit(GridControl& grid) override;

private:
    template <class W> W* widget() const { return qobject_cast<W*>(m_widget); }
    void watchFocus() const { m_widget->installEventFilter(m_focusWatcher); }
    // What the user types reaches the model, then the edit shows what the model took.
    template <class Show> void typeThenShow(QLineEdit* edit, QObject* context, Show show) const
    {
        QObject::connect(edit, &QLineEdit::textEdited, context,
                         [&form = m_form, name = m_name, show](const QString& text) {
                             form.setText(name, text);
                             show();
                         });
    }
    void bindMemo(QPlainTextEdit* memo, TextField& field);
    void bindLine(QLineEdit* edit, TextField& field);
    void showRadioItem(QAbstractButton* button);

    Form& m_form;
    QWidget* m_widget;
    QString m_name;
    QObject* m_focusWatcher;
};

void WidgetBinding::visit(TextField& field)
{
    watchFocus();
    if (auto* memo = widget<QPlainTextEdit>())
        bindMemo(memo, field);
    else if (auto* edit = widget<QLineEdit>())
        bindLine(edit, field);
}

void WidgetBinding::bindMemo(QPlainTextEdit* memo, TextField& field)
{
    auto echo = std::make_shared<bool>(false);
    auto show = [memo, &field, echo] {
        if (!*echo && toModelLines(memo->toPlainText()) != field.text())
            memo->setPlainText(toViewLines(field.text()));
    };
    follow(field, memo, show);
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo,
                     [memo, &form = m_form, name = m_name, echo, show] {
                         if (*echo)
                             return;
                         *echo = true;
                         form.setText(name, toModelLines(memo->toPlainText()));
                         *echo = false;
                         show(); // a refused text goes back to what the model holds
                     });
}

void WidgetBinding::bindLine(QLineEdit* edit, TextField& field)
{
    edit->setReadOnly(field.isReadOnly());
    auto show = [edit, &field] {
        if (edit->text() != field.text())
            edit->setText(field.text());
    };
    follow(field, edit, show);
    typeThenShow(edit, edit, show);
}

void WidgetBinding::visit(NumberField& field)
{
    auto* edit = widget<QLineEdit>();
    if (!edit)
        return;
    if (auto* number = qobject_cast<NumberEdit*>(edit))
        number->setDecimals(field.decimals());
    edit->setReadOnly(field.isReadOnly());
    watchFocus();
    auto echo = std::make_shared<bool>(false);
    auto show = [edit, &field, echo] {
        if (!*echo && edit->text() != field.text())
            edit->setText(field.text());
    };
    follow(field, edit, show);
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [&form = m_form, name = m_name, echo](const QString& text) {
                         // Half-typed numbers ("-", "12,") wait; whole ones reach the model at once.
                         bool ok = false;
                         const double value = TextForms::tryParseNumber(text, &ok);
                         if (!ok)
                             return;
                         *echo = true;
                         form.setValue(name, value);
                         *echo = false;
                     });
    QObject::connect(edit, &QLineEdit::editingFinished, edit, show);
}

void WidgetBinding::visit(DateField& field)
{
    auto* edit = widget<QDateEdit>();
    if (!edit)
        return;
    edit->setDisplayFormat(u"dd.MM.yyyy"_s);
    edit->setSpecialValueText(u" "_s); // no date: an empty picker
    watchFocus();
    follow(field, edit, [edit, &field] {
        const QSignalBlocker block(edit);
        edit->setDate(field.date().isValid() ? field.date() : edit->minimumDate());
    });
    QObject::connect(edit, &QDateEdit::dateChanged, edit,
                     [edit, &form = m_form, name = m_name](const QDate& date) {
                         form.setDate(name, date == edit->minimumDate() ? QDate() : date);
                     });
    // Picking the date a picker already shows is a choice too.
    if (field.alwaysNotifies() && edit->calendarWidget())
        QObject::connect(edit->calendarWidget(), &QCalendarWidget::clicked, edit,
                         [edit, &form = m_form, name = m_name](const QDate& date) {
                             if (date == edit->date())
                                 form.setDate(name, date);
                         });
}

void WidgetBinding::visit(TimeField& field)
{
    auto* edit = widget<QTimeEdit>();
    if (!edit)
        return;
    edit->setDisplayFormat(u"HH:mm"_s);
    watchFocus();
    follow(field, edit, [edit, &field] {
        const QSignalBlocker block(edit);
        edit->setTime(field.time());
    });
    QObject::connect(edit, &QTimeEdit::timeChanged, edit, [&form = m_form, name = m_name](const QTime& time) {
        form.setText(name, TextForms::formatTime(time));
    });
}

void WidgetBinding::visit(ChoiceList& list)
{
    auto* combo = widget<QComboBox>();
    if (!combo)
        return;
    combo->setEditable(list.isEditable());
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(20);
    watchFocus();
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
    QObject::connect(&list, &ChoiceList::entriesChanged, combo, showEntries);
    QObject::connect(&list, &Control::valueChanged, combo, showText);
    QObject::connect(combo, &QComboBox::activated, combo, [combo, &form = m_form, name = m_name](int index) {
        form.choose(name, combo->itemText(index));
    });
    if (combo->lineEdit())
        typeThenShow(combo->lineEdit(), combo, showText);
}

void WidgetBinding::visit(CheckBox& box)
{
    auto* check = widget<QCheckBox>();
    if (!check)
        return;
    auto show = [check, &box] {
        const QSignalBlocker block(check);
        check->setChecked(box.isChecked());
    };
    follow(box, check, show);
    QObject::connect(check, &QCheckBox::clicked, check, [&form = m_form, name = m_name, show](bool checked) {
        form.setChecked(name, checked);
        show();
    });
}

void WidgetBinding::visit(Button&)
{
    auto* button = widget<QAbstractButton>();
    if (!button)
        return;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&form = m_form, name = m_name] { form.click(name); });
    if (qobject_cast<QRadioButton*>(button))
        showRadioItem(button);
}

// A radio item shows whether its group has chosen it.
void WidgetBinding::showRadioItem(QAbstractButton* button)
{
    const qsizetype cut = m_name.lastIndexOf(u'_');
    if (cut <= 0 || !m_form.has(m_name.left(cut)))
        return;
    auto* group = qobject_cast<RadioGroup*>(&m_form.control(m_name.left(cut)));
    if (!group)
        return;
    const int index = m_name.mid(cut + 1).toInt();
    follow(*group, button, [button, group, index] { button->setChecked(group->index() == index); });
}

void WidgetBinding::visit(Label& label)
{
    if (auto* shown = widget<QLabel>()) {
        shown->setText(label.caption());
        QObject::connect(&label, &Control::stateChanged, shown,
                         [shown, &label] { shown->setText(label.caption()); });
    }
}

void WidgetBinding::visit(PageControl& pages)
{
    if (auto* stack = widget<QStackedWidget>())
        follow(pages, stack, [stack, &pages] { stack->setCurrentIndex(pages.index()); });
}

void WidgetBinding::visit(GridControl& grid)
{
    auto* view = widget<QTableView>();
    if (!view)
        return;
    auto* model = new GridModel(grid, view);
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->horizontalHeader()->setVisible(grid.table().headerRows() > 0);
    follow(grid, view, [view, model, &grid] {
        const int row = model->viewRow(grid.table().currentRow());
        if (row >= 0 && row < model->rowCount())
            view->selectRow(row);
    });
    auto select = [&form = m_form, name = m_name, model](const QModelIndex& index) {
        form.selectCell(name, index.column(), model->tableRow(index.row()));
    };
    QObject::connect(view, &QTableView::clicked, view, select);
    // Moving through the rows with the keyboard selects them too (not the program's own moves).
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, view,
                     [view, select](const QModelIndex& index) {
                         if (index.isValid() && view->hasFocus())
                             select(index);
                     });
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
    Control& control = m_form.control(widget->objectName());
    bindState(widget, control);
    WidgetBinding binding(m_form, widget, this);
    control.accept(binding);
}

} // namespace selvana
