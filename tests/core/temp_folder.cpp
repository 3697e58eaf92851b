#include "tests/core/temp_folder.h"

#include <fstream>
#include <random>
#include <stdexcept>

#include "core/dictionary.h"

CTempFolder::CTempFolder() {
    std::random_device seed;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_path = base / ("velmora-core-test-" + std::to_string(seed()));
        if (std::filesystem::create_directory(m_path))
            return;
    }
    throw std::runtime_error("no unique temporary folder");
}

CTempFolder::~CTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string CTempFolder::Write(const std::string& name, const std::string& bytes) const {
    const auto path = m_path / name;
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

std::vector<std::string> LoadWords(const std::string& bytes) {
    CTempFolder folder;
    const CDictionary dictionary(folder.Write("dictionary.txt", bytes).c_str());
    std::vector<std::string> words;
    for (const CWordEntry& entry : dictionary.Entries())
        words.emplace_back(static_cast<const char*>(entry.word));
    return words;
}
