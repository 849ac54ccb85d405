// Whole-file writes for the generated pictures.
#include "FileBytes.h"

#include <cstdio>

// Written beside the target and renamed over it, so a failed write leaves the old picture whole.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string partPath = path + ".part";
    FILE* file = std::fopen(partPath.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;  // a failed flush is a failed write
    if (ok) ok = std::rename(partPath.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(partPath.c_str());  // nothing more to do if this fails too
    return ok;
}
