// One of the two counters above the board, its text always whole.
#include "ui/window/counter_box.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kestravon {

namespace {

constexpr double kDesignedPointSize = 12.0;
constexpr double kShrinkStep = 0.5;
// QLineEdit keeps this much room at each side of its text, inside its contents, and
// takes a text as fitting only with one more pixel and the cursor's width beside it.
constexpr int kLineEditTextMargin = 2;
constexpr int kLineEditTextSlack = 1;

// The designed Gothic face where it is installed (Windows), else a Japanese Gothic face that
// Linux has: the first installed is found once and named alone, since a font whose first
// family is missing sends Qt through the system's whole list of fallback faces. Where none is
// installed, that search is the only way to a face, and the font names them all.
const QStringList& CounterFamilies() {
    static const QStringList families = [] {
        const QStringList designed = {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                                      QStringLiteral("Noto Sans CJK JP")};
        const QStringList installed = QFontDatabase::families();
        for (const QString& family : designed) {
            if (installed.contains(family, Qt::CaseInsensitive)) {
                return QStringList{family};
            }
        }
        return designed + QStringList{QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
    }();
    return families;
}

QFont DesignedFont() {
    QFont font;
    font.setFamilies(CounterFamilies());
    font.setPointSizeF(kDesignedPointSize);
    font.setBold(true);
    return font;
}

}  // namespace

CounterBox::CounterBox(const QString& name, const QRect& geometry, QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent), designedFont_(DesignedFont()) {
    setObjectName(name);
    setAccessibleName(name);
    setGeometry(geometry);
    setFont(designedFont_);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextMargins(0, 0, 0, 0);
    // Disabled by every board setup, yet as legible as an enabled box.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
        colours.setColor(QPalette::Disabled, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
}

void CounterBox::ShowText(const QString& text) {
    const int room = TextRoom();
    QFont fitted = designedFont_;
    while (QFontMetricsF(fitted, this).horizontalAdvance(text) > room &&
           fitted.pointSizeF() > kShrinkStep) {
        fitted.setPointSizeF(fitted.pointSizeF() - kShrinkStep);
    }
    if (fitted != font()) {
        setFont(fitted);
    }
    setText(text);
}

int CounterBox::TextRoom() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, this);
    return contents.width() - 2 * kLineEditTextMargin - kLineEditTextSlack - cursorWidth;
}

}  // namespace kestravon
