// Runs the fuzz target once over every file of the folders given, for builds without libFuzzer:
// the committed corpus then serves as a plain regression test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int a = 1; a < argc; ++a) {
        for (const auto& file : std::filesystem::directory_iterator(argv[a])) {
            const std::string bytes =
                (std::ostringstream() << std::ifstream(file.path(), std::ios::binary).rdbuf()).str();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs == 0;
}
