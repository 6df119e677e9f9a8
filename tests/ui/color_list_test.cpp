#include "ui/color_list.h"
#include "window_fixture.h"

#include <QTabWidget>

#include <QImage>
#include <QPainter>
#include <QStringListModel>
#include <QStyleOptionViewItem>

namespace zenpa {
namespace {

using test::WindowTest;

struct Drawn {
    QColor swatch; // the item's right end, where no letter reaches
    int inkPixels; // pixels in the expected text colour left of it
};

// Draws item `index` through the delegate as a view would, without
// antialiasing so that the letters are in the text colour exactly.
Drawn drawItem(int index, bool selected, bool enabled, const QColor& ink) {
    QStringList names;
    for (int i = 0; i < kColorItemCount; ++i)
        names.push_back(ColorItemName(i));
    QStringListModel model(names);
    ui::ColorItemDelegate delegate;
    QImage image(160, 24, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3)); // a colour no item uses: what the item leaves unpainted shows
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.font = QFont(QStringLiteral("IPAGothic"));
    option.font.setPixelSize(16);
    option.font.setStyleStrategy(QFont::NoAntialias);
    option.state = QStyle::State_None;
    if (selected) option.state |= QStyle::State_Selected;
    if (enabled) option.state |= QStyle::State_Enabled;
    {
        QPainter painter(&image);
        delegate.paint(&painter, option, model.index(index));
    }
    Drawn d{image.pixelColor(155, 12), 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 100; ++x)
            d.inkPixels += image.pixelColor(x, y) == ink ? 1 : 0;
    return d;
}

TEST(ColorItemDrawing, SwatchAndTextColours) {
    struct Case {
        int index;
        bool selected;
        bool enabled;
        QColor swatch;
        QColor ink;
    };
    const QColor black(0, 0, 0), white(255, 255, 255), red(255, 0, 0), grey(128, 128, 128);
    const Case cases[] = {
        {0, false, true, black, white},  // "黒色": white letters on black
        {15, false, true, white, black}, // "白色": black on white
        {16, false, true, white, black}, // "その他": white, whatever the custom colour
        {9, false, true, red, black},
        {0, true, true, white, black}, // selected: swatch and letters swap
        {9, true, true, black, red},
        {0, false, false, grey, white}, // disabled: the swatch lightened
        {4, false, false, QColor(128, 128, 128), black},
        {1, true, false, QColor(128, 128, 128), QColor(128, 0, 0)},
    };
    for (const Case& c : cases) {
        const Drawn d = drawItem(c.index, c.selected, c.enabled, c.ink);
        EXPECT_EQ(d.swatch, c.swatch) << c.index << " selected " << c.selected;
        EXPECT_GT(d.inkPixels, 20) << c.index << " selected " << c.selected;
    }
}

TEST_F(WindowTest, ClosedColourListShowsItsItem) {
    auto* list = window->findChild<ui::ColorList*>(QStringLiteral("BGcolor"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), kColorItemCount);
    EXPECT_EQ(list->itemText(16), QStringLiteral("その他"));
    state.doc.format.BG.Color = 11; // 青色
    state.notify(kChangeFormat);
    window->pages()->setCurrentIndex(4);
    QApplication::processEvents();
    const QImage shot = list->grab().toImage();
    int blue = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            blue += shot.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
    ASSERT_FALSE(shot.isNull());
    EXPECT_GT(blue, shot.width() * shot.height() / 4);
}

} // namespace
} // namespace zenpa
