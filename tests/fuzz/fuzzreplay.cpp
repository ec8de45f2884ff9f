// Stands in for libFuzzer's driver in ordinary builds: every file named on
// the command line, or found in a folder named there, is passed once to the
// fuzz entry point. Options starting with "-" (libFuzzer's) are ignored, so
// one command line serves both builds.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) __attribute__((weak));

namespace {

bool readFile(const std::string &path, std::vector<uint8_t> *bytes)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes->clear();
    uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->insert(bytes->end(), buffer, buffer + n);
    std::fclose(file);
    return true;
}

void collect(const std::string &path, std::vector<std::string> *files)
{
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0)
        return;
    if (!S_ISDIR(info.st_mode)) {
        files->push_back(path);
        return;
    }
    DIR *dir = ::opendir(path.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        collect(path + "/" + entry->d_name, files);
    }
    ::closedir(dir);
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-')
            collect(argv[i], &files);
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s corpus-folder-or-file...\n", argv[0]);
        return 2;
    }
    std::vector<uint8_t> bytes;
    for (const std::string &file : files) {
        if (!readFile(file, &bytes)) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu inputs\n", files.size());
    return 0;
}
