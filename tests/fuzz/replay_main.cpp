// Runs the fuzz target once over each file given (or every file of each folder given), for builds
// without libFuzzer: the committed corpus then serves as a plain regression test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> files;
    for (int a = 1; a < argc; ++a) {
        if (std::filesystem::is_directory(argv[a]))
            files.insert(files.end(), std::filesystem::directory_iterator(argv[a]),
                         std::filesystem::directory_iterator());
        else
            files.emplace_back(argv[a]);
    }
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0;
}
