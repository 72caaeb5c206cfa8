#pragma once
// A fresh program folder for one test: QUORVEL3D_HOME and XDG_CONFIG_HOME point
// into a temporary folder that is removed afterwards.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <QTemporaryDir>

#include "files/programfolder.h"

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
    ~TestFolder() {
        // By its bytes, so a folder a test named in another code page goes too.
        std::error_code ignored;
        std::filesystem::remove_all(m_dir.path().toStdString(), ignored);
    }
    const std::string& home() const { return m_home; }
    const std::string& config() const { return m_config; }
    std::string root() const { return m_dir.path().toStdString() + "/"; }

  private:
    QTemporaryDir m_dir;
    std::string m_home;
    std::string m_config;
};

/// Every entry of a folder, hidden ones too, by name, sorted.
inline std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

/// A file's bytes as they are on disk; empty when it cannot be read.
inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

/// Writes bytes as they are, replacing the file (a test's own files, not the game's).
inline void putBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace quorvel::test
