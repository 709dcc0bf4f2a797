#include <cstdio>

#include "ModuleFixture.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    zav::fixture::writeFile(argv[1], zav::fixture::tinyModule());
    return 0;
}
