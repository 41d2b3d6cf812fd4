#include "app/Application.h"

namespace selvana {

Application::Application(Environment env)
    : m_env(std::move(env)), m_folders(m_env.dataRoot, m_env.archiveFolder, m_env.tablesFolder),
      m_deployment(m_env.deploymentFile),
      m_main(std::make_unique<MainWindowModel>(*m_env.dialogs, *m_env.clock,
                                               m_env.windows ? *m_env.windows : m_noWindows, m_folders,
                                               m_env.readOnly))
{}

Application::~Application() = default;

bool Application::start()
{
    m_main->load();
    return true;
}

bool Application::runStartupChores()
{
    return m_main->runStartupChores();
}

void Application::close()
{
    writeDailyArchive();
}

void Application::writeDailyArchive() {}

} // namespace selvana
