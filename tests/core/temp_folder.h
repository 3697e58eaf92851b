// CTempFolder: a fresh folder under the system's temporary directory for one test's files.
// It and everything in it are removed when the object dies, whatever the test did.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CTempFolder {
public:
    CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;
    ~CTempFolder();

    const std::filesystem::path& Path() const { return m_path; }

    // Writes `bytes` exactly (binary) to `name` inside the folder; returns the file's path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// Writes `bytes` as a dictionary file, loads it and returns the entries' words in order.
std::vector<std::string> LoadWords(const std::string& bytes);
