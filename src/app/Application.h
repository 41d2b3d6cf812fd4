#pragma once

#include "app/DeploymentSettings.h"
#include "app/Environment.h"
#include "mainwindow/MainWindowModel.h"
#include "storage/Folders.h"

#include <memory>

namespace selvana {

// One program run: its folders, its windows' models, start-up and closing.
class Application {
public:
    explicit Application(Environment env);
    ~Application();

    // Loading: the start-up sequence without its interactive chores; true when it went through.
    bool start();
    // The interactive chores of the real window; false when the program is to end at once.
    bool runStartupChores();
    // Closing the main window (writes the daily archive).
    void close();

    MainWindowModel& main() { return *m_main; }
    const Folders& folders() const { return m_folders; }
    const Environment& environment() const { return m_env; }
    const DeploymentSettings& deployment() const { return m_deployment; }

private:
    void writeDailyArchive();

    Environment m_env;
    NoWindows m_noWindows;
    Folders m_folders;
    DeploymentSettings m_deployment;
    std::unique_ptr<MainWindowModel> m_main;
};

} // namespace selvana
