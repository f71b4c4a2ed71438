// Runs the dispatch fuzz target on a bounded number of random inputs when libFuzzer is not in
// use. Usage: dispatch_fuzz [count] [seed]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 4711;
    std::mt19937 engine(static_cast<std::mt19937::result_type>(seed));
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<int> length(0, 160);
    std::vector<std::uint8_t> input;
    for (long i = 0; i < count; ++i) {
        input.resize(static_cast<std::size_t>(length(engine)));
        for (auto& b : input)
            b = static_cast<std::uint8_t>(anyByte(engine));
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("dispatch_fuzz: %ld inputs, seed %lu, no failure\n", count, seed);
    return 0;
}
