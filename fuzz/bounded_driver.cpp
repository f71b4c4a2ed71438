// Runs a fuzz target on a bounded number of seeded random inputs when libFuzzer is not in use,
// so CTest exercises every target on every build. Usage: <target> [count] [seed] [max length]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1234;
    const long maxLength = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 256;
    std::mt19937 engine(static_cast<std::mt19937::result_type>(seed));
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<long> length(0, maxLength < 0 ? 0 : maxLength);
    std::vector<std::uint8_t> input;
    for (long i = 0; i < count; ++i) {
        input.resize(static_cast<std::size_t>(length(engine)));
        // Runs of small bytes now and then: they pick the first choices, short texts and sizes.
        const bool small = anyByte(engine) < 64;
        for (auto& b : input)
            b = static_cast<std::uint8_t>(small ? anyByte(engine) % 8 : anyByte(engine));
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%s: %ld inputs, seed %lu, no failure\n", argc > 0 ? argv[0] : "fuzz", count, seed);
    return 0;
}
