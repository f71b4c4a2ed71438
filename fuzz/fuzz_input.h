#pragma once
// Reads a fuzz input front to back; past its end every read is 0, so any input is a valid script.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzzing {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::uint32_t u32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | byte();
        return v;
    }
    double f64()
    {
        const std::uint64_t bits = (static_cast<std::uint64_t>(u32()) << 32) | u32();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    std::string text(std::size_t maxLength)
    {
        std::string s;
        const std::size_t n = byte() % (maxLength + 1);
        for (std::size_t i = 0; i < n; ++i)
            s.push_back(static_cast<char>(byte()));
        return s;
    }
    bool done() const { return m_pos >= m_size; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace fuzzing
