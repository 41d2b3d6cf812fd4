#pragma once

class QWidget;

namespace selvana {

class MainWindowModel;

// Each page of the main window is laid out in a file of its own; the page widget is
// already named after its page.
void buildSubjectsView(MainWindowModel& model, QWidget* page);
void buildListsView(MainWindowModel& model, QWidget* page);
void buildOrderView(MainWindowModel& model, QWidget* page);
void buildReportFieldsView(MainWindowModel& model, QWidget* page);
void buildReportsView(MainWindowModel& model, QWidget* page);
void buildExpenseView(MainWindowModel& model, QWidget* page, int kind);

} // namespace selvana
