#include "DotColumn.h"

#include "core/game/Board.h"
#include "ui/controls/Controls.h"
#include "ui/controls/LineResultView.h"

#include <QGroupBox>

namespace lexel {
namespace {

constexpr int RowTop = 300;
constexpr int RowPitch = 480;

} // namespace

DotColumn::DotColumn(QWidget* client, QObject* parent) : QObject(parent) {
    frame_ = Place<QGroupBox>(client, QStringLiteral("dotColumn"), {3090, 1110, 1125, 4740});
    for (int i = 0; i < LineCount; ++i) {
        lines_[static_cast<std::size_t>(i)] =
            Place<LineResultView>(frame_, QStringLiteral("lineResult_%1").arg(i),
                                  {BlackDotsLeft, RowTop + RowPitch * i,
                                   WhiteDotsLeft + DotsSquare - BlackDotsLeft, DotsSquare});
    }
}

void DotColumn::Draw(const Board& board) {
    for (int line = 0; line < LineCount; ++line) {
        const auto& result = board.Result(line);
        auto* view = Line(line);
        if (result && !(view->evaluated() && view->black() == result->black &&
                        view->white() == result->white)) {
            view->ShowResult(result->black, result->white);
        } else if (!result && view->evaluated()) {
            view->ShowEmpty();
        }
        // Tab reads the dots of the evaluated lines only.
        view->setFocusPolicy(result ? Qt::TabFocus : Qt::NoFocus);
    }
    Describe();
}

void DotColumn::Describe() {
    for (int line = 0; line < LineCount; ++line) {
        if (const auto name = Outcome(line); Line(line)->accessibleName() != name) {
            Line(line)->setAccessibleName(name);
        }
    }
}

QString DotColumn::Outcome(int line) const {
    const auto* view = Line(line);
    return view->evaluated() ? tr("Line %1: %2 black, %3 white")
                                   .arg(line + 1)
                                   .arg(view->black())
                                   .arg(view->white())
                             : tr("Line %1: not evaluated").arg(line + 1);
}

} // namespace lexel
