// Fitting a wrapped text into its box: the size picked is the one a scan of
// every quarter point down from the design size picks, with fewer sizes
// measured.
#include <gtest/gtest.h>
#include <QFontInfo>
#include <QLabel>
#include <set>

#include "ui/look.h"
#include "ui/promotions.h"

namespace amorist {
namespace {

using namespace look;

// Counts the measurements the fitting makes.
class CountingLabel final : public QLabel {
public:
    using QLabel::QLabel;
    int heightForWidth(int width) const override {
        ++measured;
        return QLabel::heightForWidth(width);
    }
    mutable int measured = 0;
};

// Every quarter point from the label's size down to 6 pt, stopping at the
// first that fits.
qreal ScannedPoints(const QString& text, const TextStyle& style, const QRect& box) {
    QLabel label(text);
    StyleLabel(&label, style);
    label.setWordWrap(true);
    label.setGeometry(box);
    QFont font = label.font();
    while (label.heightForWidth(box.width()) > box.height() && font.pointSizeF() - 0.25 >= 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label.setFont(font);
    }
    return font.pointSizeF();
}

struct FitCase {
    QString text;
    TextStyle style;
    int width;
};

TEST(WrapInBox, PicksTheSizeAFullScanPicksForEveryBoxHeight) {
    const FitCase cases[] = {
        {CoBrandText(), {colour::kPink, 8.25, true, true}, 407},
        {FullBrandText(), {colour::kPink, 8.25, true, true}, 407},
        {QStringLiteral("Venus and Mars signs are opposite in nature and represent yin - yang "
                        "planets. Knowing "
                        "the Venus - Mars compatibility between people will help you "
                        "understand your relationship better."),
         {colour::kPeriwinkle, 8.25, false, false},
         521},
        {QStringLiteral("The Most Popular Online Quillmoor Discussion Board. Best Resource For "
                        "Everything Quillmoor."),
         {colour::kPink, 9.75, true, true},
         300},
    };
    for (const auto& [text, style, width] : cases) {
        const QString& shown = text;
        // From roomy, where nothing shrinks, down to boxes nothing fits.
        for (int height = 80; height >= 4; height -= 3) {
            const QRect box(0, 0, width, height);
            CountingLabel label(shown);
            StyleLabel(&label, style);
            WrapInBox(&label, box, Qt::AlignLeft, 6);
            ASSERT_EQ(label.font().pointSizeF(), ScannedPoints(shown, style, box))
                << shown.left(20).toStdString() << ", " << height << " px high";
            // One measurement per pixel size tried at most, not one per quarter point.
            std::set<int> pixelSizes;
            for (QFont font = label.font(); font.pointSizeF() <= style.points;
                 font.setPointSizeF(font.pointSizeF() + 0.25)) {
                pixelSizes.insert(QFontInfo(font).pixelSize());
            }
            EXPECT_LE(label.measured, static_cast<int>(pixelSizes.size())) << height << " px";
        }
    }
}

}  // namespace
}  // namespace amorist
