#pragma once

#include <QMainWindow>

class QLabel;
class QScrollArea;
class QStackedWidget;

namespace selvana {

class Application;
class FormBinder;
class MainWindowModel;

// The main window: page buttons over the pages, the totals panel, the status bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Application& app, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildButtonRow();
    QWidget* buildPages();
    QWidget* buildTotals();
    void buildStatusBar();
    QWidget* page(int index, QStackedWidget* stack);
    void buildSettingsPage(QWidget* page);
    void buildEmptyPage(QWidget* page);

    Application& m_app;
    MainWindowModel& m_model;
    FormBinder* m_binder;
    QScrollArea* m_scroll = nullptr;
};

} // namespace selvana
