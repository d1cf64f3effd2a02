// lexel-maint: prepares the word database. Not part of the game.

#include "DatabaseGenerator.h"

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view Usage =
    "usage: lexel-maint create DATA_DIR FILE   make a new Lexel.lxl from the source lists\n"
    "       lexel-maint sync DATA_DIR FILE     create, or refresh the words of, FILE; keeps\n"
    "                                          settings, statistics and high scores\n"
    "       lexel-maint build-tables FILE      rebuild w3, w4, w5, w6, w6s from raw3..raw6\n";

void Report(const lexel::BuildCounts& c) {
    std::cout << "w3 " << c.w3 << ", w4 " << c.w4 << ", w5 " << c.w5 << ", w6 " << c.w6 << ", w6s "
              << c.w6s << " rows\n";
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    try {
        if (command == "create" && argc == 4) {
            Report(lexel::CreateDatabase(argv[2], argv[3]));
        } else if (command == "sync" && argc == 4) {
            Report(lexel::SyncDatabase(argv[2], argv[3]));
        } else if (command == "build-tables" && argc == 3) {
            Report(lexel::RebuildTables(argv[2]));
        } else {
            std::cerr << Usage;
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "lexel-maint " << command << ": " << e.what() << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
