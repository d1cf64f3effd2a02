#pragma once

// A locale the machine need not have installed: compiled from the system's locale sources
// into a temporary folder and made the process's locale while the object lives.

#include "TempDir.h"

#include <clocale>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace lexel::test {

class TemporaryLocale {
public:
    // `name` as "tr_TR.ISO-8859-9": the source tr_TR in the character set ISO-8859-9.
    explicit TemporaryLocale(const std::string& name) {
        const auto dot = name.find('.');
        const auto command = "localedef -i " + name.substr(0, dot) + " -f " + name.substr(dot + 1) +
                             " " + (dir_ / name).string() + " > /dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            throw std::runtime_error("localedef could not make " + name +
                                     " (package locales installed?)");
        }
        ::setenv("LOCPATH", dir_.path().c_str(), 1);
        if (std::setlocale(LC_ALL, name.c_str()) == nullptr) {
            throw std::runtime_error("the locale " + name + " could not be set");
        }
    }
    ~TemporaryLocale() {
        std::setlocale(LC_ALL, "C");
        ::unsetenv("LOCPATH");
    }
    TemporaryLocale(const TemporaryLocale&) = delete;
    TemporaryLocale& operator=(const TemporaryLocale&) = delete;

private:
    TempDir dir_;
};

} // namespace lexel::test
