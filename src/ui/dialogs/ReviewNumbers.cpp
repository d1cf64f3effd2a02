#include "ReviewNumbers.h"

#include <QCoreApplication>

namespace lexel {

QLocale ReviewLocale() {
    return QLocale(QCoreApplication::translate(
        "lexel::ReviewDialog", "en", "the language whose way of writing numbers the review uses"));
}

} // namespace lexel
