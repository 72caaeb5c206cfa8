#pragma once
// A fresh program folder for one test: QUORVEL3D_HOME and XDG_CONFIG_HOME point
// into a temporary folder that is removed afterwards.

#include <cstdlib>
#include <string>

#include <QTemporaryDir>

#include "programfolder.h"

namespace quorvel::test {

class TestFolder {
  public:
    TestFolder() {
        m_home = m_dir.path().toStdString() + "/home/";
        m_config = m_dir.path().toStdString() + "/config/";
        QDir().mkpath(QString::fromStdString(m_home));
        QDir().mkpath(QString::fromStdString(m_config));
        ::setenv("QUORVEL3D_HOME", m_home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
        setProgramFolders(m_home, "quorvel3d", m_config);
    }
    const std::string& home() const { return m_home; }
    const std::string& config() const { return m_config; }
    std::string root() const { return m_dir.path().toStdString() + "/"; }

  private:
    QTemporaryDir m_dir;
    std::string m_home;
    std::string m_config;
};

} // namespace quorvel::test
