#include "Chart.h"

#include <QAccessibleWidget>
#include <QLocale>
#include <QPainter>

namespace lexel {
namespace {

QAccessibleInterface* ChartInterface(const QString&, QObject* object) {
    if (object != nullptr && object->isWidgetType() && object->inherits("lexel::Chart")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    }
    return nullptr;
}

} // namespace

Chart::Chart(QWidget* parent) : QWidget(parent) {
    static const bool described = (QAccessible::installFactory(ChartInterface), true);
    (void)described;
}

void Chart::SetTitle(const QString& title) {
    title_ = title;
    update();
}

QString Chart::Grouped(qint64 value) {
    //: The language whose digit grouping the charts use: en or de
    return QLocale(tr("en")).toString(value);
}

int Chart::PaintTitle(QPainter& painter) const {
    if (title_.isEmpty()) {
        return 0;
    }
    const int line = fontMetrics().height();
    painter.save();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft | Qt::AlignVCenter, title_);
    painter.restore();
    return line;
}

} // namespace lexel
