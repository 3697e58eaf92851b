#include "bench/bench_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>

#if defined(__unix__)
#include <unistd.h>
#elif defined(_WIN32)
#include <windows.h>
#include <psapi.h>
#endif

namespace {

constexpr int kGeneratedLines = 1'000'000;
constexpr std::uint32_t kGeneratedSeed = 20'240'607;

// The generated file lives as long as the process.
class CGeneratedFile {
public:
    CGeneratedFile() {
        std::mt19937 random(kGeneratedSeed);
        m_folder = std::filesystem::temp_directory_path() /
                   ("velmora-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(m_folder);
        m_path = (m_folder / "dictionary.txt").string();
        std::uniform_int_distribution<int> length(3, 14);
        std::uniform_int_distribution<int> letter('A', 'Z');
        std::string text;
        for (int line = 0; line < kGeneratedLines; ++line) {
            for (int i = length(random); i > 0; --i)
                text += static_cast<char>(letter(random));
            text += '\n';
        }
        std::ofstream(m_path, std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    ~CGeneratedFile() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    const std::string& Path() const { return m_path; }

private:
    std::filesystem::path m_folder;
    std::string m_path;
};

} // namespace

const std::string& DefaultDictionaryPath() {
    static const std::string path = [] {
        const char* chosen = std::getenv("VELMORA_DICTIONARY");
        return std::string(chosen != nullptr ? chosen : VELMORA_DEFAULT_DICTIONARY);
    }();
    return path;
}

const std::string& GeneratedDictionaryPath() {
    static const CGeneratedFile file;
    return file.Path();
}

const CDictionary& DefaultDictionary() {
    static const CDictionary dictionary(DefaultDictionaryPath().c_str());
    return dictionary;
}

const CDictionary& GeneratedDictionary() {
    static const CDictionary dictionary(GeneratedDictionaryPath().c_str());
    return dictionary;
}

std::string ShippedListPath(const char* name) {
    return std::string(VELMORA_DATA_FOLDER) + "/" + name + "/dictionary.txt";
}

const CDictionary& ShippedList(const char* name) {
    static std::map<std::string, std::unique_ptr<CDictionary>> loaded;
    auto& dictionary = loaded[name];
    if (!dictionary)
        dictionary = std::make_unique<CDictionary>(ShippedListPath(name).c_str());
    return *dictionary;
}

std::size_t ResidentBytes() {
#if defined(__linux__)
    std::ifstream statm("/proc/self/statm");
    std::size_t totalPages = 0;
    std::size_t residentPages = 0;
    if (statm >> totalPages >> residentPages)
        return residentPages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#elif defined(_WIN32)
    PROCESS_MEMORY_COUNTERS counters{};
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return counters.WorkingSetSize;
#endif
    return 0;
}
