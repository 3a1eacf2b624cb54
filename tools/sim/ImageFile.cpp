#include "ImageFile.h"

#include "store/RecordCopy.h"

#include <cstdio>
#include <fstream>

namespace kx::sim {

bool LoadImage(const std::string& path, ConfigBlock& record) {
    std::ifstream in(path);
    if (!in)
        return false;
    ReadRecordCopy(in, record);
    return true;
}

bool SaveImage(const std::string& path, const ConfigBlock& record) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        WriteRecordCopy(out, record);
        out.flush();
        if (!out)
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace kx::sim
