// Runs every file of the folders named through a fuzzer's entry point: the
// inputs a fuzzer once failed on, so that the fault cannot come back unseen.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto &f : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(f.path(), std::ios::binary);
            const std::string data((std::istreambuf_iterator<char>(in)), {});
            std::printf("%s\n", f.path().filename().c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.data()), data.size());
            ++count;
        }
    return count > 0 ? 0 : 1;
}
