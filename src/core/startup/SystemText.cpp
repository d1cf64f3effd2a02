#include "SystemText.h"

#include <QByteArray>
#include <QFile>
#include <clocale>
#include <cwchar>
#include <langinfo.h>
#include <string>

namespace lexel {
namespace {

// With the thread's locale set to the system's: each character, or U+FFFD for a byte that
// begins none.
QString DecodeInThreadLocale(std::string_view bytes) {
    std::wstring text;
    std::mbstate_t state{};
    for (std::size_t at = 0; at < bytes.size();) {
        wchar_t c = 0;
        const std::size_t used = std::mbrtowc(&c, bytes.data() + at, bytes.size() - at, &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
            text += L'\uFFFD';
            state = {};
            ++at;
        } else {
            text += c;
            at += used == 0 ? 1 : used;
        }
    }
    return QString::fromStdWString(text);
}

} // namespace

QString FromSystemText(std::string_view bytes) {
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // The environment's locale for this thread only: the start runs beside the making of the
    // application object, which sets the process's locale.
    const locale_t system = ::newlocale(LC_CTYPE_MASK, "", nullptr);
    if (system == nullptr) {
        return QFile::decodeName(raw);
    }
    // The C locale knows ASCII alone; desktops and Qt take its names for UTF-8.
    const std::string_view codeset = ::nl_langinfo_l(CODESET, system);
    QString text;
    if (codeset == "UTF-8" || codeset == "ANSI_X3.4-1968") {
        text = QFile::decodeName(raw);
    } else {
        const locale_t previous = ::uselocale(system);
        text = DecodeInThreadLocale(bytes);
        ::uselocale(previous);
    }
    ::freelocale(system);
    return text;
}

} // namespace lexel
