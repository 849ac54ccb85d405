// Little-endian field writers shared by the file encoders.
#pragma once

#include <cstdint>
#include <vector>

inline void PutU8(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
}

inline void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    PutU8(out, value);
    PutU8(out, value >> 8);
}

inline void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value);
    PutU16(out, value >> 16);
}
